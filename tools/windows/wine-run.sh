#!/usr/bin/env bash
# Runs a program of the Windows cross build under Wine; CTest starts every
# Windows test through it (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR).
#
#   tools/windows/wine-run.sh build/windows/tests/tst_money.exe [arguments]
#
# - The DLLs come from the Windows SDK (PELLUMO_WIN_SDK, default
#   build/win-sdk) and from the MinGW runtime, through Wine's PATH.
# - Wine hands the program no QT_* variable of this environment but turns
#   WINEQT_* into QT_*: each QT_* variable is passed on that way.
# - A Qt Test program's output reaches no pipe under Wine: it is written to a
#   file (-o FILE,txt) and printed from there. The exit status is the
#   program's.
# - WINEPREFIX defaults to build/windows/wine-prefix, made on first use without the
#   Mono and Gecko installers (nothing here needs .NET or a browser engine).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
program=$1
shift
sdk=$(cd "${PELLUMO_WIN_SDK:-$root/build/win-sdk}" && pwd)

export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
windows_path() {  # the Unix folder $1 as Wine's drive Z: sees it
    local path=${1//\//\\}
    printf 'Z:%s' "$path"
}
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$sdk/qt-win/bin");$(windows_path "$sdk/gmp-win/bin");$(windows_path "$mingw_runtime");$(windows_path "$winpthread")"
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Za-z0-9_]*=' || true)

name=$(basename "$program")
if [[ $name != tst_* ]]; then
    exec wine "$program" "$@"
fi
output=$(mktemp --suffix=.txt)
trap 'rm -f "$output"' EXIT
set +e
wine "$program" "$@" -o "$(windows_path "$output"),txt"
status=$?
set -e
# Wine's console writes CR LF; the log reads like the Linux one.
tr -d '\r' <"$output"
exit $status
