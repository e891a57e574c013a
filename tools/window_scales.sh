#!/usr/bin/env bash
# The screen of a 1366×768 display with each larger window of the program, at
# the display scales clerks use (100 %, 125 %, 150 %, 200 %):
#
#   tools/window_scales.sh /tmp/shots      (then look at /tmp/shots/*.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:?usage: tools/window_scales.sh <output folder>}")
build=build/screenshots

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLUMO_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build "$build" -j2 --target window_scales >"$build/build.log" || { cat "$build/build.log"; exit 1; }
for scale in 1 1.25 1.5 2; do
    xvfb-run -a -s "-screen 0 1366x768x24" env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=$scale \
        "$build/tools/screenshots/window_scales" "$output" "$scale"
done
