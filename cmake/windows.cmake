# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows build adds: each program's icon, version resource and manifest, and
# GoogleTest built from Debian's source with the cross compiler.

set(VRH_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR}/windows)

# Every program one .exe that needs no DLL beyond Windows' own.
add_link_options(-static $<$<CONFIG:Release>:-s>)

# vrh_windows_resources(target DESCRIPTION text ICON file [MANIFEST file])
function(vrh_windows_resources target)
    cmake_parse_arguments(ARG "" "DESCRIPTION;ICON;MANIFEST" "" ${ARGN})
    get_target_property(VRH_FILE_NAME ${target} OUTPUT_NAME)
    if(NOT VRH_FILE_NAME)
        set(VRH_FILE_NAME ${target})
    endif()
    set(VRH_DESCRIPTION "${ARG_DESCRIPTION}")
    set(VRH_ICON "${ARG_ICON}")
    set(VRH_MANIFEST "${ARG_MANIFEST}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${VRH_WINDOWS_DIR}/program.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # The resource compiler does not see the icon and manifest as inputs by itself.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${ARG_ICON};${ARG_MANIFEST}")
endfunction()

macro(vrh_googletest_from_source)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endmacro()
