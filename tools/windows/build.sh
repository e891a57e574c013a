#!/usr/bin/env bash
# Cross-builds the 64-bit Windows program, pellumo.exe, and every test that
# needs no Qt WebEngine (preset windows, Release) into build/windows.
#
#   tools/windows/build.sh [cmake --build arguments, e.g. --target pellumo]
#
# Qt 6.4.2 and GMP 6.2.1 for Windows come from the Windows SDK:
# - PELLUMO_WIN_SDK=<folder with qt-win/ and gmp-win/>, e.g. the prefix that
#   tools/windows/build-sdk.sh made; or else
# - the archive ../shared/win-sdk/win-sdk-*.tar.xz beside the repository (or
#   PELLUMO_WIN_SDK_ARCHIVE), unpacked once into build/win-sdk.
# Without either it stops and says how to get one: building Qt takes half an
# hour to over an hour, which no build should start unasked.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
ensure_windows_packages

unpack_sdk() {  # prints the SDK folder
    local archive=${PELLUMO_WIN_SDK_ARCHIVE:-}
    if [ -z "$archive" ]; then
        archive=$(ls ../shared/win-sdk/win-sdk-*.tar.xz 2>/dev/null | head -1 || true)
    fi
    if [ -z "$archive" ] || [ ! -f "$archive" ]; then
        cat >&2 <<MESSAGE
No Windows SDK (Qt and GMP for x86_64-w64-mingw32): neither PELLUMO_WIN_SDK
nor the archive ../shared/win-sdk/win-sdk-*.tar.xz (PELLUMO_WIN_SDK_ARCHIVE).
Build one from Debian's source packages (half an hour to over an hour):
    tools/windows/build-sdk.sh /opt/pellumo-win-sdk
    PELLUMO_WIN_SDK=/opt/pellumo-win-sdk $0
MESSAGE
        return 1
    fi
    local folder=build/win-sdk stamp
    stamp="$(basename "$archive") $(stat -c '%s %Y' "$archive")"
    if [ "$(cat "$folder/.unpacked-from" 2>/dev/null)" != "$stamp" ]; then
        echo "Unpacking $archive into $folder" >&2
        rm -rf "$folder"
        mkdir -p "$folder"
        tar -xJf "$archive" -C "$folder"
        echo "$stamp" >"$folder/.unpacked-from"
    fi
    (cd "$folder" && pwd)
}

sdk=${PELLUMO_WIN_SDK:-}
if [ -z "$sdk" ]; then
    sdk=$(unpack_sdk)
fi
if [ ! -d "$sdk/qt-win" ] || [ ! -d "$sdk/gmp-win" ]; then
    echo "The Windows SDK $sdk has no qt-win/ and gmp-win/" >&2
    exit 1
fi
sdk=$(cd "$sdk" && pwd)

cmake --preset windows -DPELLUMO_WIN_SDK="$sdk" >/dev/null
cmake --build --preset windows "$@"
