#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package without installing it: its name, control fields and file list,
# the programs unpacked from it, and its desktop entry, metainfo and MIME type.
# usage: check_package.sh VRHEDIT_DEB VERSION
set -euo pipefail
deb=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
sample=$here/../fuzz/corpus/levelset/fresh.vrh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "vrhedit_${version}_${arch}.deb" ]] && ok "named $(basename "$deb")" ||
    fail "package file is $(basename "$deb"), not vrhedit_${version}_${arch}.deb"
[[ $(dpkg-deb -f "$deb" Package) == vrhedit && $(dpkg-deb -f "$deb" Version) == "$version" ]] &&
    ok "control: vrhedit $version" || fail "control names $(dpkg-deb -f "$deb" Package Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: $depends"
done
ok "Depends: $depends"

# Every file, and nothing else (folders aside).
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/files"
if diff -u "$here/files.txt" "$work/files"; then ok "file list as expected"; else fail "file list differs"; fi

dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr

# The programs as unpacked; --version needs no display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/VrhEdit" --version) &&
    [[ "$out" == "VrhEdit $version" ]] && ok "VrhEdit --version: $out" || fail "VrhEdit --version said '$out'"
mkdir "$work/split"
cp "$sample" "$work/split/zvrhlabc.vrh"
(cd "$work/split" && "$usr/bin/levelsplit" abc) && ok "levelsplit abc ran" || fail "levelsplit abc failed"
{ printf 'VRH0ABC'; tail -c +8 "$sample" | head -c 45; } >"$work/header"
tail -c +53 "$sample" >"$work/level1"
printf 'level1.vrh\r\n' >"$work/list"
cmp "$work/split/header.vrh" "$work/header" && cmp "$work/split/level1.vrh" "$work/level1" &&
    cmp "$work/split/abc.lst" "$work/list" && ok "levelsplit wrote header, level and list byte for byte" ||
    fail "levelsplit's files differ"
MANWIDTH=80 man -l "$usr/share/man/man1/levelsplit.1" 2>&1 | grep -qE "^ +levelsplit +- +split a Varnhold levelset" &&
    ok "man page renders" || fail "man page does not render"
# The editor's command line answers without a display: a picture of the sample and its check.
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/VrhEdit" --export-picture "$work/sample.png" "$sample" &&
    [[ $(head -c 8 "$work/sample.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] &&
    ok "VrhEdit --export-picture wrote a PNG" || fail "VrhEdit --export-picture wrote no PNG"
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/VrhEdit" --check "$sample" && ok "VrhEdit --check: nothing found" ||
    fail "VrhEdit --check of the sample ended with $?"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/VrhEdit" --print "$sample" | head -1) == 'Magic: "VRH0"' ]] &&
    ok "VrhEdit --print: the sample as text" || fail "VrhEdit --print of the sample"
MANWIDTH=80 man -l "$usr/share/man/man1/VrhEdit.1" 2>&1 | grep -qE "^ +VrhEdit +--export-picture OUT.png" &&
    ok "VrhEdit's man page renders" || fail "VrhEdit's man page does not render"

# Free software, and every file says so: the package's terms and the metainfo.
copyright=$usr/share/doc/vrhedit/copyright
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" &&
    grep -qx 'License: GPL-3.0-or-later' "$copyright" &&
    grep -q '/usr/share/common-licenses/GPL-3' "$copyright" &&
    grep -q '<project_license>GPL-3.0-or-later</project_license>' \
        "$usr/share/metainfo/org.varnhold.VrhEdit.metainfo.xml" &&
    ok "licence: GPL-3.0-or-later in the copyright file and the metainfo" ||
    fail "the copyright file or the metainfo names no GPL-3.0-or-later"

# The desktop's files.
desktop-file-validate "$usr/share/applications/org.varnhold.VrhEdit.desktop" &&
    ok "desktop-file-validate" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/org.varnhold.VrhEdit.metainfo.xml" >"$work/as" 2>&1 &&
    ok "appstreamcli validate" || { cat "$work/as"; fail "appstreamcli validate"; }
mime=$usr/share/mime/packages/org.varnhold.VrhEdit.xml
xmllint --noout "$mime" && ok "xmllint" || fail "xmllint"
# The MIME database built from the package alone knows the type by name and by content.
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/"
XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>"$work/umd" && [[ ! -s "$work/umd" ]] || { cat "$work/umd"; fail "update-mime-database"; }
grep -qx '50:application/x-varnhold-levelset:zvrhl\*.vrh' "$work/mime/globs2" &&
    grep -q 'application/x-varnhold-levelset' "$work/mime/magic" &&
    grep -qx 'application/x-varnhold-levelset:org.varnhold.VrhEdit' "$work/mime/icons" &&
    ok "MIME type: glob, magic and icon" || fail "MIME type not as expected"

if ((failures)); then
    echo "package check: $failures failed"
    exit 1
fi
echo "package check: all passed"
