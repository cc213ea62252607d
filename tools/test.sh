#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test headless: once in the normal build
# and once under AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# The install and package tests run the validators a desktop and Debian apply, and cpack; the
# manual test checks every page with xmllint; the screen-reader test runs the game on a private
# X server with a window manager, a session bus and the accessibility bus, and drives it with
# pyatspi and xdotool, and waits for every process it started (pgrep); the screen-reader test
# also runs Debian's Orca (installed without its recommendations; the speech server it depends
# on is kept out of its reach); the Wayland test runs a headless compositor.
bash tools/setup-debian.sh desktop-file-utils appstream man-db dpkg-dev file libxml2-utils \
    xvfb openbox dbus at-spi2-core python3-pyatspi xdotool procps weston orca lintian
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$(nproc)"
    ctest --preset "$preset" --output-on-failure --parallel "$(nproc)"
done
