#!/usr/bin/env bash
# The Windows program's windows as a Windows user sees them: the screenshot
# programs of tools/screenshots.sh (every tab, a few results) and
# tools/window_scales.sh (the larger windows), cross-built and run under
# Wine on a 1366×768 Xvfb display with Wine's own window system and
# WenQuanYi Micro Hei as its Chinese font:
#
#   tools/windows/screenshots.sh /tmp/windows-shots [scale ...]   (default 1 1.5 2)
set -euo pipefail
cd "$(dirname "$0")/../.."
output=$(realpath -m "${1:?usage: tools/windows/screenshots.sh <output folder> [scale ...]}")
shift
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(1 1.5 2)

tools/windows/build.sh >/dev/null  # the SDK and the build folder
cmake build/windows -DPELLUMO_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build build/windows --target screenshots window_scales >/dev/null
export WINEPREFIX=$PWD/build/windows/wine-screenshots WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$WINEPREFIX"
mkdir -p "$output"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# One Xvfb display each: Wine's window system keeps to the display it found.
shoot() {  # shoot <command...>
    xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
        wineboot --init >/dev/null 2>&1 && wineserver -w
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
        timeout 300 "$@"; status=$?
        wineserver -k 2>/dev/null
        exit $status' shoot "$@"
}
shoot tools/windows/wine-run.sh build/windows/tools/screenshots/screenshots.exe "$(windows_path "$output")"
for scale in "${scales[@]}"; do
    QT_SCALE_FACTOR=$scale shoot tools/windows/wine-run.sh build/windows/tools/screenshots/window_scales.exe \
        "$(windows_path "$output")" "$scale"
done
