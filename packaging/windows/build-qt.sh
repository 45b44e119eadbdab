#!/usr/bin/env bash
# usage: build-qt.sh [--cached]
# Builds Qt for Windows once per machine from Debian's own qt6-base source,
# the host's Qt version, and prints the install prefix. The cache lives
# outside every build folder, keyed by Qt's version and the compiler's, so a
# clean checkout, a new clone or git clean never costs the hour again.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache_root=${DEZUDOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dezudor}
jobs=$(nproc 2>/dev/null || echo 2)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
gcc_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
key="qt-${qt_version}-mingw-${gcc_version}"
key=${key//[^A-Za-z0-9.+-]/_}
cache="$cache_root/$key"
prefix="$cache/prefix"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
# --cached: only says whether it is built.
[ "${1:-}" = --cached ] && exit 1

mkdir -p "$cache"
log="$cache/build.log"
echo "build-qt: building Qt $qt_version for Windows into $cache (most of an hour on two cores; log: $log)" >&2

# The source comes from the machine's own package sources, read through a
# private apt configuration, so the machine's apt set-up stays as it is.
src="$cache/source"
if [ ! -f "$src/.unpacked" ]; then
    apt_dir="$cache/apt"
    rm -rf "$apt_dir"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$cache/download"
    : >"$apt_dir/sources.list"
    [ -f /etc/apt/sources.list ] && sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list"
    for parts in /etc/apt/sources.list.d/*.sources; do
        [ -f "$parts" ] && sed 's/^Types:.*/Types: deb-src/' "$parts" >"$apt_dir/parts/$(basename "$parts")"
    done
    for parts in /etc/apt/sources.list.d/*.list; do
        [ -f "$parts" ] && sed -n 's/^deb /deb-src /p' "$parts" >"$apt_dir/parts/$(basename "$parts")"
    done
    apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts="$apt_dir/parts"
                 -o Dir::State::Lists="$apt_dir/lists" -o APT::Sandbox::User=root)
    apt-get "${apt_options[@]}" update -q >>"$log" 2>&1
    (cd "$cache/download" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$qt_version" >>"$log" 2>&1)
    rm -rf "$src"
    dpkg-source -x "$cache/download"/qt6-base_*.dsc "$src" >>"$log" 2>&1
    touch "$src/.unpacked"
fi

# Qt remembers the toolchain file by its path: it is kept in the cache, not
# in a checkout that may go away.
cp "$here/mingw-toolchain.cmake" "$cache/mingw-toolchain.cmake"

# The game needs Widgets, the JPEG reader, Qt Test and the Windows and
# offscreen platforms; everything else stays out. The bundled third-party
# libraries are used, so no Windows build of them is needed. Debian's source
# lacks the tablet header the Windows platform needs, and with OpenGL off
# the dynamic-GL check does not compile.
rm -rf "$cache/build"
cmake -S "$src" -B "$cache/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_system_freetype=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
    >>"$log" 2>&1
cmake --build "$cache/build" -j "$jobs" >>"$log" 2>&1
cmake --install "$cache/build" >>"$log" 2>&1
touch "$prefix/.complete"
rm -rf "$cache/build"
echo "$prefix"
