#!/usr/bin/env bash
# Takes the screenshot of the main window shown in README.md (docs/main-window.png)
# from the real program on a virtual X display.
#
# Needs (Debian packages): xvfb, xauth, imagemagick, x11-utils
#   sudo apt-get install xvfb xauth imagemagick x11-utils
#
#   tools/readme_screenshot.sh                       # the release build (./run.sh builds it)
#   tools/readme_screenshot.sh /usr/bin/pellumo      # any other copy, e.g. the installed one
#   tools/readme_screenshot.sh PROGRAM OUTPUT.png    # somewhere else than docs/
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$repo_root/build/release/app/pellumo}"
output="${2:-$repo_root/docs/main-window.png}"

[ -x "$program" ] || { echo "no program at $program: build it first (cmake --preset release && cmake --build --preset release)" >&2; exit 1; }
for tool in xvfb-run import xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool not found: install xvfb, imagemagick and x11-utils" >&2; exit 1; }
done
mkdir -p "$(dirname "$output")"

# A fresh user with no saved settings, so the window shows its defaults.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

HOME="$home" XDG_CONFIG_HOME="$home/.config" LC_ALL=C.UTF-8 \
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    set -euo pipefail
    "$1" 2>/dev/null &
    pid=$!
    geometry=""
    for _ in $(seq 1 100); do
        # The main window'"'"'s line: 0x... "PellumoV6.2 ...": (...)  467x397+256+154  +256+154
        geometry="$(xwininfo -root -tree | grep "\"PellumoV6" | grep -o "[0-9]*x[0-9]*+[0-9]*+[0-9]*" | head -n 1 || true)"
        [ -n "$geometry" ] && break
        sleep 0.1
    done
    [ -n "$geometry" ] || { echo "the main window did not appear" >&2; kill "$pid"; exit 1; }
    sleep 4   # the pages behind the tabs and the banner finish after the first paint
    # Without a window manager "import -window <id>" waits forever; the
    # screen cut to the window'"'"'s place gives the same picture.
    timeout 30 import -window root -crop "$geometry" +repage "png:$2"
    kill "$pid"
    wait "$pid" || true
' screenshot "$program" "$output"
echo "screenshot written to $output"
