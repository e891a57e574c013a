#!/usr/bin/env bash
# Renders the program's icon in the sizes of the hicolor icon theme from its
# one source picture, packaging/icons/pellumo.svg, into
# packaging/icons/hicolor/<size>x<size>/apps/pellumo.png.
#
# Needs (Debian package): librsvg2-bin
#   sudo apt-get install librsvg2-bin
#
# Run by hand after changing the SVG:
#   tools/make_icons.sh
# The build does not run this; the PNGs it writes are kept in the repo.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$repo_root/packaging/icons"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found: install librsvg2-bin" >&2; exit 1; }

for size in 16 22 24 32 48 64 128 256; do
    dest="$icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dest"
    rsvg-convert --width "$size" --height "$size" "$icons/pellumo.svg" --output "$dest/pellumo.png"
done

echo "icons written to $icons/hicolor:"
find "$icons/hicolor" -name '*.png' | sort
