# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the release preset with `cpack --preset deb`:
# vrhedit_<version>_<arch>.deb holding what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
# The package's terms, where Debian keeps every package's.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vrhedit)
set(CPACK_PACKAGE_NAME vrhedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VrhEdit developers")
set(CPACK_PACKAGE_CONTACT "VrhEdit developers <vrhedit@varnhold.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "levelset editor for the calculator game Varnhold")
set(CPACK_PACKAGE_DESCRIPTION
    "VrhEdit draws and edits levelsets for Varnhold, a game for the TI-83, TI-83+ and TI-86
graphing calculators. levelsplit splits a saved levelset into the header, level and list
files that the game's build uses.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link come from dpkg-shlibdeps; Qt's window-system plugins are
# loaded at run time, so no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, man-db")
include(CPack)
