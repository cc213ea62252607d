#!/bin/bash
# Regenerate the bitmaps in assets/ (card faces, card backs, emblem,
# pointing-hand cursor). Run by hand after changing tools/make_assets.py;
# the build only uses the committed results.
#
# Every source comes from a Debian package, so this installs nothing and
# only checks that the packages are there. The output depends on the
# package versions listed in assets/ATTRIBUTION; with those it is the same
# on every run.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$(dirname "$here")/assets"}

packages=(
    kdegames-card-data-kf5      # card faces
    lomiri-wallpapers-16.04     # photos for the backs
    plasma-workspace-wallpapers
    mate-backgrounds
    librsvg2-bin                # rsvg-convert
    python3-pil
    optipng
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "missing packages; install them with:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
fi

# Debian's own interpreter: python3-pil is installed for it, not for any
# other python3 that may come first in PATH.
exec /usr/bin/python3 "$here/make_assets.py" "$out"
