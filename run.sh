#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages

cmake --preset release >/dev/null
cmake --build --preset release --target pellumo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it on a virtual display instead:  xvfb-run -a ./run.sh" >&2
    exit 1
fi
# The embedded browser of the banner refuses to start as root inside its
# sandbox; for a root session only, it runs without it.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec build/release/app/pellumo
