#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, lists its contents and control fields,
# checks the files a desktop needs, the dependencies, computed and declared, and the changelog,
# and has Debian's lintian check the package, failing on any error or warning.
# Usage: tst_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

packages=("$out"/zorvane_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "no zorvane_*.deb in $(ls "$out")"
deb=${packages[0]}
echo "== ${deb##*/}"
dpkg-deb --info "$deb"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"

for path in ./usr/games/zorvane "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/man/man6/zorvane.6.gz \
    ./usr/share/doc/zorvane/copyright ./usr/share/doc/zorvane/changelog.gz \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    ./usr/share/zorvane/manual/index.html ./usr/share/zorvane/manual/manual.css; do
    grep -q " $path\$" <<<"$contents" || fail "not in the package: $path"
done

[[ $(dpkg-deb --field "$deb" Section) == games ]] || fail "not in the games section"
# One package name per line, versions dropped.
depends=$(dpkg-deb --field "$deb" Depends | sed 's/ *([^)]*)//g; s/, */\n/g')
# The Qt and C++ libraries come from the shared-library scan, under whatever names this
# system's packages have (Debian 13 renamed libqt6core6 to libqt6core6t64, for one): the
# package that owns each library. The font and the platform plugins are loaded at run time
# and are declared.
owner() { dpkg-query -S "*/$1" | sed -n '1s/[:,].*//p'; }
expected=(fonts-liberation2 qt6-qpa-plugins qt6-wayland)
for library in libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 libstdc++.so.6 libc.so.6; do
    package=$(owner "$library")
    [[ -n $package ]] || fail "no installed package has $library"
    expected+=("$package")
done
for package in "${expected[@]}"; do
    grep -qxF "$package" <<<"$depends" || fail "does not depend on $package"
done
# The large CJK font is only recommended: a player of another language need not take it.
recommends=$(dpkg-deb --field "$deb" Recommends | sed 's/ *([^)]*)//g; s/, */\n/g')
for package in fonts-noto-cjk qt6-translations-l10n; do
    grep -qxF "$package" <<<"$recommends" || fail "does not recommend $package"
    ! grep -qxF "$package" <<<"$depends" || fail "depends on $package, which it only recommends"
done

# The changelog's latest entry is this version.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/zorvane/changelog.gz | gunzip \
    >"$out/changelog"
logged=$(dpkg-parsechangelog -l "$out/changelog" --show-field Version)
[[ $logged == "$(dpkg-deb --field "$deb" Version)" ]] || fail "the changelog's latest is $logged"

# Debian's checker, with the notes too; the package's overrides say why it differs on purpose.
lintian --pedantic --display-info --display-experimental --fail-on error,warning "$deb" ||
    fail "lintian found errors or warnings"
echo "package passes every check"
