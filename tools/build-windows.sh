#!/usr/bin/env bash
# Cross-builds the game for 64-bit Windows on Debian 13: installs what is missing, builds a
# static Qt once from Debian 13's own source package into a cache outside the checkout, then builds
# one self-contained zorvane.exe, its tests, the setup program and the portable zip into
# build-windows/.
#
#   bash tools/build-windows.sh [--qt-only]
#
# The Qt cache lives in ${XDG_CACHE_HOME:-~/.cache}/zorvane-windows, one folder per Qt version
# and set of options; delete it to build Qt afresh.
set -euo pipefail
shopt -s inherit_errexit # a step that fails inside $(...) ends the script too
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
    # the setup program, dpkg-dev unpacks Debian's Qt source.
    bash tools/setup-debian.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev \
        ninja-build nsis wine wine64 zip python3
}

# The Qt inside zorvane.exe comes from Debian 13's qt6-base source:
# Qt 6.8, a long-term-support line that Debian keeps patched.
qt_source_suite=trixie

# What Qt is built with; any change here gives a fresh cache folder. Features the game does not
# use are left out to keep the program small; Debian's source lacks the tablet library. Sources
# are compiled 32 to a batch, which builds in a fraction of the time.
qt_options=(
    -static -release -optimize-size -unity-build
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -no-opengl
    -no-feature-sql -no-feature-network -no-feature-dbus -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
    -nomake examples -nomake tests
)
# Qt 6.8's Windows platform plugin speaks UI Automation through MinGW-w64's headers, which
# Debian 12's MinGW-w64 10 cannot give it: uiautomationcoreapi.h declares
# UiaRaiseAutomationPropertyChangedEvent with a parameter named "new", which C++ refuses, and
# lacks interfaces the plugin implements ("expected class-name" in qwindowsuiautomation.h).
# Debian 13's MinGW-w64 12 builds it, and Debian 13's own Qt 6.8 gives the host tools.
require_debian_13() {
    local headers
    headers=$(dpkg-query -W -f='${Version}' mingw-w64-common)
    if dpkg --compare-versions "$headers" lt 11; then
        echo "The Windows build needs Debian 13: Qt 6.8 cannot be built with this system's" \
            "MinGW-w64 $headers (Debian 12), whose UI Automation headers C++ refuses." >&2
        exit 2
    fi
}

# Writes a private apt configuration whose sources are Debian 13's lists on the system's own
# Debian mirrors, so the system's sources stay untouched.
private_apt_options() {
    local apt_dir=$cache/apt-$qt_source_suite
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' | sort -u |
        awk -v suite="$qt_source_suite" '
            function lists(uri, dist) { print "deb-src " uri " " dist " main"
                                        print "deb " uri " " dist " main" }
            /\/debian-security\/?$/ { lists($1, suite "-security"); next }
            /\/debian\/?$/ { lists($1, suite); lists($1, suite "-updates") }' \
            >"$apt_dir/sources.list"
    printf '%s\n' -o "Dir::Etc::sourcelist=$apt_dir/sources.list" \
        -o "Dir::Etc::sourceparts=-" -o "Dir::State::Lists=$apt_dir/lists" \
        -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=root"
}

# Prints the Debian version of the newest qt6-base source in Debian 13, its patches included;
# with no network, the one the lists last named.
qt_source_version() {
    local apt_options
    mapfile -t apt_options < <(private_apt_options)
    apt-get "${apt_options[@]}" update -q >&2 || echo "(using the lists from before)" >&2
    apt-get "${apt_options[@]}" source --print-uris -q qt6-base 2>/dev/null |
        sed -n "s/^'[^']*' qt6-base_\(.*\)\.dsc .*/\1/p"
}

# Prints the folder of Debian's Qt source, fetching and unpacking it when missing.
fetch_qt_source() {
    local version=$1 sources=$cache/src/$1
    if [[ ! -f $sources/.complete ]]; then
        rm -rf "$sources" && mkdir -p "$sources"
        local apt_options
        mapfile -t apt_options < <(private_apt_options)
        (cd "$sources" && apt-get "${apt_options[@]}" source -q "qt6-base=$version") >&2
        touch "$sources/.complete"
    fi
    local unpacked=("$sources"/qt6-base-*/)
    echo "${unpacked[0]%/}"
}

# Prints the folder of Qt's own translations (a message box's buttons, --help's headings) from
# Debian 13's package, which match the Qt built in, fetching them when missing.
fetch_qt_translations() {
    local apt_options version folder
    mapfile -t apt_options < <(private_apt_options)
    version=$(apt-cache "${apt_options[@]}" policy qt6-translations-l10n |
        sed -n 's/^ *Candidate: //p')
    folder=$cache/qt-translations-$version
    if [[ ! -f $folder/.complete ]]; then
        rm -rf "$folder" && mkdir -p "$folder/deb"
        (cd "$folder/deb" && apt-get "${apt_options[@]}" download -q \
            "qt6-translations-l10n=$version") >&2
        dpkg-deb -x "$folder"/deb/*.deb "$folder/root"
        touch "$folder/.complete"
    fi
    echo "$folder/root/usr/share/qt6/translations"
}

upstream_of() { local version=${1#*:}; echo "${version%%[+-]*}"; }

cache_key() { { printf '%s\n' "$@"; cat "$toolchain"; } | sha256sum | cut -c1-12; }

# Builds and installs Qt from SOURCE into PREFIX with the configure options that follow, once.
build_qt() {
    local what=$1 qt_source=$2 prefix=$3
    shift 3
    [[ -f $prefix/.complete ]] && return 0
    local build=$prefix.build started=$SECONDS
    echo "== Building $what (once)" >&2
    rm -rf "$build" "$prefix" && mkdir -p "$build" "$prefix"
    (cd "$build" && "$qt_source/configure" -prefix "$prefix" "$@" >&2 &&
        cmake --build . --parallel "$jobs" >&2 && cmake --install . >&2)
    echo "== $what built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s" >&2
    rm -rf "$build"
    touch "$prefix/.complete"
}

# The host tools (moc, rcc, uic and their CMake packages) must be of the very same Qt version:
# Debian 13's own.
check_host_qt() {
    local system
    system=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    if [[ $(upstream_of "$system") != "$(upstream_of "$1")" ]]; then
        echo "Qt $(upstream_of "$1") for Windows needs the system's Qt of the same version" \
            "for its host tools; this system has $system." >&2
        exit 2
    fi
}

# The folder of the system's Qt CMake packages.
system_cmake_dir() { echo "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"; }

# Prints the prefix of the static Qt for Windows, building it when the cache lacks it.
build_static_qt() {
    local version qt_source prefix
    version=$(qt_source_version)
    [[ -n $version ]] || { echo "No qt6-base source found for $qt_source_suite" >&2; exit 1; }
    prefix=$cache/qt-$(upstream_of "$version")-$(cache_key "$version" "${qt_options[@]}")
    if [[ ! -f $prefix/.complete ]]; then
        check_host_qt "$version"
        qt_source=$(fetch_qt_source "$version")
        # Qt remembers the toolchain file it was built with: a copy in the cache outlives the
        # checkout.
        mkdir -p "$cache/toolchains" && cp "$toolchain" "$cache/toolchains/${prefix##*/}.cmake"
        build_qt "static Qt $(upstream_of "$version") for Windows" "$qt_source" "$prefix" \
            "${qt_options[@]}" -qt-host-path /usr -- \
            -DCMAKE_TOOLCHAIN_FILE="$cache/toolchains/${prefix##*/}.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR="$(system_cmake_dir)"
    fi
    echo "$prefix"
}

# Cross-builds the game and its tests; the build runs the sheet converter and the icon tool
# under Wine, in a prefix of the cache's own.
build_game() {
    export ZORVANE_WINDOWS_QT=$1
    export WINEPREFIX=${WINEPREFIX:-$cache/wine} WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Qt's translation tools are the system's, of the same Qt version. Debian's Qt source skips
    # Qt's plugins when a program is configured; a static program must link them (the Windows
    # platform, the offscreen one for the tests).
    cmake --preset windows -DQt6LinguistTools_DIR="$(system_cmake_dir)/Qt6LinguistTools" \
        -DZORVANE_QT_TRANSLATIONS="$2" -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF >/dev/null
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
require_debian_13
started=$SECONDS
qt_prefix=$(build_static_qt)
echo "Static Qt: $qt_prefix"
$qt_only && exit 0
build_game "$qt_prefix" "$(fetch_qt_translations)"
package_game
echo "== Built in $((SECONDS - started)) s:"
ls -l build-windows/zorvane.exe build-windows/Zorvane-*-setup.exe build-windows/Zorvane-*-windows.zip |
    awk '{ print "   " $5 " bytes  " $NF }'
