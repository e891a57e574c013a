#!/usr/bin/env bash
# Builds the Windows SDK, Qt 6.4.2 and GMP 6.2.1 for x86_64-w64-mingw32,
# from Debian's own source packages (qt6-base, gmp) with Debian's MinGW-w64
# compilers; nothing comes from anywhere else.
#
#   tools/windows/build-sdk.sh PREFIX
#   PELLUMO_WIN_SDK=PREFIX tools/windows/build.sh
#
# PREFIX receives qt-win/ and gmp-win/ (the layout of the shared archive
# ../shared/win-sdk/win-sdk-*.tar.xz, which is this script's output packed
# with tar -cJf ARCHIVE -C PREFIX qt-win gmp-win) and sdk-stamp.txt, which
# records the source versions, the compiler and every option. Sources and
# build trees go to PREFIX/src (or PELLUMO_SDK_WORK).
#
# It takes half an hour on an idle two-core machine and over an hour on a
# busy one, almost all of it Qt. It adds a deb-src entry for the archive the
# machine already uses when there is none (apt-get source needs it).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -ne 1 ]; then
    echo "usage: tools/windows/build-sdk.sh PREFIX" >&2
    exit 2
fi
prefix=$(realpath -m "$1")
work=$(realpath -m "${PELLUMO_SDK_WORK:-$prefix/src}")
jobs=${JOBS:-$(nproc)}
triplet=x86_64-w64-mingw32
source "$root/tools/packages.sh"
ensure_windows_packages "${PELLUMO_WINDOWS_SDK_PACKAGES[@]}"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# apt-get source reads deb-src entries: one for each deb entry of Debian's
# own sources file, unless some are there already.
ensure_deb_src() {
    apt-cache showsrc gmp 2>/dev/null | grep -q '^Package: gmp' && return 0
    local list=/etc/apt/sources.list.d/pellumo-deb-src
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee "$list.sources" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | "${sudo[@]}" tee "$list.list" >/dev/null
    else
        echo "No Debian sources list to take a deb-src entry from" >&2
        return 1
    fi
    "${sudo[@]}" apt-get update -qq
}

fetch_sources() {
    mkdir -p "$work"
    (cd "$work" && [ -n "$(ls -d gmp-*/ 2>/dev/null)" ] || apt-get source -qq gmp)
    (cd "$work" && [ -n "$(ls -d qt6-base-*/ 2>/dev/null)" ] || apt-get source -qq qt6-base)
    gmp_src=$(ls -d "$work"/gmp-*/ | head -1)
    qt_src=$(ls -d "$work"/qt6-base-*/ | head -1)
    gmp_version=$(cd "$gmp_src" && dpkg-parsechangelog -S Version)
    qt_version=$(cd "$qt_src" && dpkg-parsechangelog -S Version)
}

# The -posix compilers, as for Qt and the program: gmpxx links the same
# libstdc++ as they do.
GMP_OPTIONS=(--host=$triplet --enable-cxx --enable-shared --disable-static --enable-fat
             CC=$triplet-gcc-posix CXX=$triplet-g++-posix)

build_gmp() {
    [ -f "$prefix/gmp-win/lib/pkgconfig/gmpxx.pc" ] && return 0
    cd "$gmp_src"
    # Debian's source leaves out the manual (doc/, not free under Debian's
    # rules), which configure and the top Makefile still name.
    sed -i 's| doc/Makefile||' configure
    sed -i 's/^\(SUBDIRS = .*\) doc$/\1/; s/^\(SUBDIRS = .*\) doc \(.*\)$/\1 \2/' Makefile.in
    rm -rf "$work/gmp-build"
    mkdir -p "$work/gmp-build"
    cd "$work/gmp-build"
    "$gmp_src/configure" --prefix="$prefix/gmp-win" "${GMP_OPTIONS[@]}"
    make -j"$jobs"
    make install
    cd "$root"
}

QT_OPTIONS=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
            -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
            -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
            -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_direct2d=OFF
            -DFEATURE_androiddeployqt=OFF -DFEATURE_pkg_config=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF
            -DFEATURE_icu=OFF -DFEATURE_glib=OFF
            # Debian's source drops the Wintab headers (src/3rdparty/wintab).
            -DFEATURE_tabletevent=OFF
            -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
            -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
            -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF)
QT_PATCH=$root/tools/windows/qt-printsupport-direct2d.patch

# Qt's own toolchain file for the build: the SDK's is not there yet.
write_qt_toolchain() {
    cat >"$work/mingw-w64-x86_64.toolchain.cmake" <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
}

configure_qt() {
    if [ ! -f "$qt_src/.pellumo-patched" ]; then
        (cd "$qt_src" && patch -p0 --forward <"$QT_PATCH")
        touch "$qt_src/.pellumo-patched"
    fi
    write_qt_toolchain
    cmake -S "$qt_src" -B "$work/qt-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix/qt-win" "${QT_OPTIONS[@]}"
}

build_qt() {
    [ -f "$prefix/qt-win/lib/cmake/Qt6/Qt6Config.cmake" ] && return 0
    configure_qt
    cmake --build "$work/qt-build" --parallel "$jobs"
    cmake --install "$work/qt-build"
}

write_stamp() {
    {
        echo "Windows SDK for Pellumo, built $(date -u '+%Y-%m-%d %H:%M UTC') by tools/windows/build-sdk.sh"
        echo "compiler: $($triplet-g++-posix --version | head -1)"
        echo "gmp source package: $gmp_version"
        echo "gmp configure: ${GMP_OPTIONS[*]}"
        echo "qt6-base source package: $qt_version"
        echo "qt cmake: ${QT_OPTIONS[*]}"
        echo "qt patch: $(basename "$QT_PATCH") $(sha256sum <"$QT_PATCH" | cut -d' ' -f1)"
    } >"$prefix/sdk-stamp.txt"
    cat "$prefix/sdk-stamp.txt"
}

SECONDS=0
ensure_deb_src
fetch_sources
build_gmp
echo "GMP $gmp_version built in $SECONDS s"
build_qt
echo "GMP and Qt $qt_version built in $SECONDS s"
write_stamp
