#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop needs: every file in its place
# (the player's manual among them, in the data folder where the game looks for it), the desktop
# entry and the metainfo accepted by their validators, a manual page that formats
# without warnings, icons of the sizes their folders promise, and a program that answers.
# Usage: tst_install.sh BUILD_DIR GAMES_DIR APP_ID
set -euo pipefail
build=$1 games=$2 id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a check that must pass and print nothing.
quiet() {
    local said
    said=$("$@" 2>&1) || fail "$* exited with $?: $said"
    [[ -z $said ]] || fail "$*: $said"
}

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
manual=$prefix/share/man/man6/zorvane.6.gz
for file in "$prefix/$games/zorvane" "$desktop" "$metainfo" "$manual" \
    "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
    "$prefix/share/zorvane/manual/index.html" "$prefix/share/zorvane/manual/manual.css"; do
    [[ -f $file ]] || fail "not installed: ${file#"$prefix"/}"
done

quiet desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate: $metainfo"
grep -qx "Exec=zorvane" "$desktop" || fail "the desktop entry does not start zorvane"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the installed desktop entry"

for size in 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ $(file -b "$icon") == "PNG image data, $size x $size,"* ]] ||
        fail "not a $size x $size icon: $(file -b "$icon")"
done

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null) ||
    fail "man cannot show $manual"
[[ -z $warnings ]] || fail "the manual page formats with warnings: $warnings"
[[ $(QT_QPA_PLATFORM=offscreen "$prefix/$games/zorvane" --version 2>/dev/null) == zorvane\ * ]] ||
    fail "the installed program does not answer --version"
echo "installed files pass every check"
