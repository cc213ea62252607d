#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12 or 13, when missing.
# Does nothing when everything is there. Needs root, or sudo.
set -euo pipefail

packages=(
    g++ make cmake            # the toolchain
    qt6-base-dev              # Qt 6 Widgets and Qt Test, with moc and rcc
    qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease, and CMake's qt_add_translations
    qt6-translations-l10n     # Qt's own texts (a message box's button) in the player's language
    qt6-qpa-plugins           # Qt's extra platform plugins
    qt6-wayland               # the Wayland platform plugin, for sessions without X11
    fonts-liberation2         # the free font the captions are set in
    fonts-noto-cjk            # the same for Chinese, Japanese and Korean captions
)
packages+=("$@")              # callers may add more (the test script adds its own)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Run as root, or install sudo." >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=900 update -q
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends "${missing[@]}"
