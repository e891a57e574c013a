#!/usr/bin/env bash
# Screenshots of every tab of the main window and of the base-amount dialog,
# taken under Xvfb, for comparing the window's look before and after a change:
#
#   tools/screenshots.sh /tmp/shots/before     (on the old code)
#   tools/screenshots.sh /tmp/shots/after      (on the new code)
#   for f in /tmp/shots/after/*.png; do
#       compare -metric AE /tmp/shots/before/${f##*/} "$f" null:; echo " ${f##*/}"
#   done
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:?usage: tools/screenshots.sh <output folder>}")
build=build/screenshots

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLUMO_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build "$build" -j2 --target screenshots >"$build/build.log" || { cat "$build/build.log"; exit 1; }
xvfb-run -a -s "-screen 0 1024x768x24" env -u QT_QPA_PLATFORM "$build/tools/screenshots/screenshots" "$output"
