#!/usr/bin/env bash
# Cross-builds the game for 64-bit Windows on Debian 12 or 13: installs what is missing, builds a
# static Qt once from Debian's own source package into a cache outside the checkout, then builds
# one self-contained zorvane.exe, its tests, the setup program and the portable zip into
# build-windows/.
#
#   bash tools/build-windows.sh [--qt-only]
#
# The Qt cache lives in ${XDG_CACHE_HOME:-~/.cache}/zorvane-windows, one folder per Qt version
# and set of options; delete it to build Qt afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

qt_only=false
for argument in "$@"; do
    case "$argument" in
        --qt-only) qt_only=true ;;
        -h|--help) sed -n '2,/^set /s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "Unknown option: $argument" >&2; exit 2 ;;
    esac
done

jobs=${ZORVANE_JOBS:-2}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zorvane-windows
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake

install_missing_packages() {
    # Wine runs the build-time sheet converter and icon tool, Python packs the icon, NSIS makes
    # the setup program.
    bash tools/setup-debian.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev \
        ninja-build nsis wine wine64 zip python3
}

# What Qt is built with; any change here gives a fresh cache folder. Features the game does not
# use are left out to keep the program small; Debian's source lacks the tablet library. Direct2D
# stays: without it Qt 6.4's Windows plugin cannot link (it needs the DirectWrite font database,
# which the build leaves out along with Direct2D).
qt_options=(
    -static -release -optimize-size
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -qt-host-path /usr
    -no-opengl
    -no-feature-sql -no-feature-network -no-feature-dbus -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
    -nomake examples -nomake tests
)

host_qt_version() { dpkg-query -W -f='${Version}' qt6-base-dev; }

qt_cache_key() {
    { host_qt_version; printf '%s\n' "${qt_options[@]}"; cat "$toolchain"; } |
        sha256sum | cut -c1-12
}

# Writes a private apt configuration whose sources are the deb-src twins of the system's
# mirrors, so the system's own sources stay untouched.
private_apt_options() {
    local apt_dir=$cache/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
        sort -u | sed 's/^/deb-src /' >"$apt_dir/sources.list"
    printf '%s\n' -o "Dir::Etc::sourcelist=$apt_dir/sources.list" \
        -o "Dir::Etc::sourceparts=-" -o "Dir::State::Lists=$apt_dir/lists" \
        -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=root"
}

# Prints the folder of Debian's Qt source, fetching and unpacking it when missing.
fetch_qt_source() {
    local version=$1 sources=$cache/src/$1
    if [[ ! -f $sources/.complete ]]; then
        rm -rf "$sources" && mkdir -p "$sources"
        local apt_options
        mapfile -t apt_options < <(private_apt_options)
        apt-get "${apt_options[@]}" update -q >&2
        (cd "$sources" && { apt-get "${apt_options[@]}" source -q "qt6-base=$version" ||
            apt-get "${apt_options[@]}" source -q qt6-base; }) >&2
        touch "$sources/.complete"
    fi
    find "$sources" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1
}

# Prints the prefix of the static Qt for Windows, building it when the cache lacks it.
build_static_qt() {
    local version upstream key prefix
    version=$(host_qt_version)
    upstream=${version%%[+-]*}
    key=$(qt_cache_key)
    prefix=$cache/qt-$upstream-$key
    if [[ ! -f $prefix/.complete ]]; then
        local qt_source build=$cache/build-$upstream-$key multiarch
        qt_source=$(fetch_qt_source "$version")
        multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
        echo "== Building static Qt $upstream for Windows (once; about 35 minutes on two cores)" >&2
        rm -rf "$build" "$prefix" && mkdir -p "$build"
        local started=$SECONDS
        # Qt remembers the toolchain file it was built with: a copy in the cache outlives the
        # checkout.
        mkdir -p "$prefix" && cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"
        (cd "$build" && "$qt_source/configure" -prefix "$prefix" "${qt_options[@]}" -- \
            -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" >&2 &&
            cmake --build . --parallel "$jobs" >&2 && cmake --install . >&2)
        echo "== Static Qt built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s" >&2
        rm -rf "$build"
        touch "$prefix/.complete"
    fi
    echo "$prefix"
}

# Cross-builds the game and its tests; the build runs the sheet converter and the icon tool
# under Wine, in a prefix of the cache's own.
build_game() {
    export ZORVANE_WINDOWS_QT=$1
    export WINEPREFIX=${WINEPREFIX:-$cache/wine} WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    cmake --preset windows >/dev/null
    cmake --build --preset windows --parallel "$jobs"
}

# What the player gets: the program, the manual and the licences, as a setup program and as a
# zip to run from any folder.
package_game() {
    local build=$source_dir/build-windows version stage
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    stage=$build/package/Zorvane-$version
    rm -rf "$build/package" && mkdir -p "$stage/manual"
    cp "$build/zorvane.exe" "$stage/"
    cp "$build"/manual/* "$stage/manual/"
    cp LICENSE "$stage/LICENSE.txt"
    cp dist/copyright "$stage/COPYRIGHT.txt"
    cp assets/ATTRIBUTION "$stage/ATTRIBUTION.txt"
    cp dist/windows/THIRD-PARTY.txt "$stage/"
    makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build/dist/zorvane.ico" \
        -DOUTFILE="$build/Zorvane-$version-setup.exe" dist/windows/installer.nsi
    rm -f "$build/Zorvane-$version-windows.zip"
    (cd "$build/package" && zip -qr -X "$build/Zorvane-$version-windows.zip" "Zorvane-$version")
}

install_missing_packages
started=$SECONDS
qt_prefix=$(build_static_qt)
echo "Static Qt: $qt_prefix"
$qt_only && exit 0
build_game "$qt_prefix"
package_game
echo "== Built in $((SECONDS - started)) s:"
ls -l build-windows/zorvane.exe build-windows/Zorvane-*-setup.exe build-windows/Zorvane-*-windows.zip |
    awk '{ print "   " $5 " bytes  " $NF }'
