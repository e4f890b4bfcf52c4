#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder into a temporary one and checks it as a
# distribution would: the files it installs, its control fields, the desktop entry and the
# AppStream file against their validators, the MIME type against the MIME database, the
# manual page against man's warnings, and that the files name one another by the same ID.
#   check-package.sh <cpack> <build folder> <version> <application ID>
set -euo pipefail
cpack=$1 build=$2 version=$3 id=$4
work=$(mktemp -d /tmp/wellenwerk-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/out/wellenwerk_"$version"_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { ls "$work/out"; echo "FAIL: no wellenwerk_${version}_<arch>.deb"; exit 1; }
deb=${debs[0]}
[[ ${deb##*_} == "$(dpkg --print-architecture).deb" ]] || fail "architecture in the name: ${deb##*/}"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#' >"$work/contents"
for file in /usr/bin/wellenwerk "/usr/share/applications/$id.desktop" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "/usr/share/mime/packages/$id.xml" \
    "/usr/share/metainfo/$id.metainfo.xml" /usr/share/man/man1/wellenwerk.1.gz \
    /usr/share/doc/wellenwerk/copyright /usr/share/wellenwerk/examples/Fourierreihen.wwp \
    /usr/share/wellenwerk/examples/Signalform.wwp /usr/share/wellenwerk/examples/Spektrallinien.wwp; do
    grep -qxF "$file" "$work/contents" || fail "not in the package: $file"
done
# The sound output module, loaded with the first tone from the library folder.
grep -qE '^/usr/lib/([^/]+/)?wellenwerk/libwellenwerk_sound_output\.so$' "$work/contents" ||
    fail "not in the package: the sound output module"
grep -v '/$' "$work/contents" | grep -v '^/usr/' && fail "files outside /usr"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == wellenwerk && $(field Version) == "$version" ]] || fail "name or version"
[[ $(field Section) == education ]] || fail "section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "maintainer: $(field Maintainer)"
# Found by dpkg-shlibdeps: the Qt libraries the program links, with their versions.
for library in libqt6widgets6 libqt6multimedia6 libqt6svg6 libc6; do
    [[ $(field Depends) =~ (^|, )$library\ \(\>=\  ]] || fail "depends on no versioned $library: $(field Depends)"
done
[[ -n $(field Description | sed -n '2p') ]] || fail "no long description"
field Description | awk 'length > 80 { exit 1 }' || fail "description lines over 80 characters"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
file "$work/root/usr/bin/wellenwerk" | grep -q ', stripped' || fail "the program is not stripped"

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }

# The files name the program, the icon and the project type the same way.
entry() { sed -n "s/^$1=//p" "$share/applications/$id.desktop"; }
[[ $(entry Exec) == "wellenwerk %f" ]] || fail "Exec: $(entry Exec)"
[[ $(entry Icon) == "$id" ]] || fail "Icon: $(entry Icon)"
[[ $(entry MimeType) == "application/x-wellenwerk-project;" ]] || fail "MimeType: $(entry MimeType)"
metainfo=$share/metainfo/$id.metainfo.xml
grep -qF "<id>$id</id>" "$metainfo" || fail "metainfo: id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo: launchable"
grep -qF "<mediatype>application/x-wellenwerk-project</mediatype>" "$metainfo" || fail "metainfo: mediatype"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo: no release $version"
grep -qF "<icon name=\"$id\"/>" "$share/mime/packages/$id.xml" || fail "MIME package: icon"

# The MIME database built from the package alone knows *.wwp as the project type.
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -qxF "50:application/x-wellenwerk-project:*.wwp" "$share/mime/globs2" 2>/dev/null ||
    fail "*.wwp is not application/x-wellenwerk-project in the MIME database"

man_page=$share/man/man1/wellenwerk.1.gz
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$man_page" >"$work/man.txt" 2>"$work/man.log" ||
    fail "man"
[[ -s $work/man.log ]] && { cat "$work/man.log"; fail "man page warnings"; }
for section in NAME SYNOPSIS FILES; do grep -qx "$section" "$work/man.txt" || fail "man page: no $section"; done
grep -qF "Wellenwerk $version" "$work/man.txt" || fail "man page: no version $version"

[[ $failures -eq 0 ]] || exit 1
echo "${deb##*/}: $(wc -l <"$work/contents") entries, all checks passed"
