#!/usr/bin/env bash
# Makes every picture Pellumo shows, into app/resources/pictures/.
#
# Needs (Debian packages): imagemagick, fonts-noto-cjk
#   sudo apt-get install imagemagick fonts-noto-cjk
#
# Run by hand from anywhere inside the repository:
#   tools/make_pictures.sh
# The build does not run this; the pictures it writes are kept in the repo.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$repo_root/app/resources/pictures"
mkdir -p "$out"

command -v convert >/dev/null || { echo "convert not found: install imagemagick" >&2; exit 1; }

# ImageMagick names of the Noto CJK faces (from fonts-noto-cjk).
SANS=Noto-Sans-CJK-SC
SANS_BOLD=Noto-Sans-CJK-SC-Bold
SERIF_BOLD=Noto-Serif-CJK-SC-Bold
fonts_known="$(convert -list font | sed -n 's/^ *Font: //p')"
for f in "$SANS" "$SANS_BOLD" "$SERIF_BOLD"; do
    grep -qx -- "$f" <<<"$fonts_known" || { echo "font $f not known to ImageMagick: install fonts-noto-cjk" >&2; exit 1; }
done

# Palette
NAVY='#0b2746'
TEAL='#0f6170'
GOLD='#e6cf8f'
FACE='rgb(240,240,240)'   # window button-face colour behind the small JPEGs
BLUE='#1f5fa8'
BLUE_DARK='#16467e'

# Small JPEGs keep full-resolution colour (no chroma subsampling), or thin
# coloured details smear.
jpeg() { convert "$1" -strip -sampling-factor 1x1 -quality 90 "$2"; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Scales of justice, drawn on a 4x canvas (W x H) in colour $3, transparent
# around it. Designed in a 240 x 240 box, scaled to the canvas.
scales() {
    local size=$1 colour=$2 dest=$3
    convert -size 240x240 xc:none -fill none -stroke "$colour" -strokewidth 10 \
        -draw "line 120,34 120,196" \
        -draw "line 28,58 212,58" \
        -strokewidth 5 \
        -draw "line 40,58 12,142"  -draw "line 40,58 68,142" \
        -draw "line 200,58 172,142" -draw "line 200,58 228,142" \
        -stroke none -fill "$colour" \
        -draw "circle 120,30 120,16" \
        -draw "path 'M 4,140 A 36,22 0 0 0 76,140 Z'" \
        -draw "path 'M 164,140 A 36,22 0 0 0 236,140 Z'" \
        -draw "roundrectangle 94,190 146,206 4,4" \
        -draw "roundrectangle 70,204 170,222 6,6" \
        -resize "$size" "$dest"
}

############################################################################
# 1. banner.jpg  499 x 80; only the top-left 467 x 73 shows in the window.
############################################################################
scales 58x58 "$GOLD" "$tmp/scales_banner.png"
convert -size 499x80 -define gradient:direction=east gradient:"$NAVY"-"$TEAL" \
    \( -size 499x80 xc:none -fill 'rgba(255,255,255,0.05)' \
       -draw "circle 430,18 430,-60" -draw "circle 380,90 380,40" \) -composite \
    "$tmp/scales_banner.png" -geometry +10+7 -composite \
    -stroke none -fill 'rgba(230,207,143,0.55)' -draw "rectangle 79,43 336,43" \
    -font "$SANS_BOLD" -pointsize 23 -fill white \
    -annotate +78+35 'Pellumo 诉讼费用计算器' \
    -font "$SANS" -pointsize 12 -fill '#cfe4ea' \
    -annotate +79+62 '诉讼费 · 申请费 · 迟延利息 · 违约金 · 日期计算' \
    -fill "$GOLD" -draw "rectangle 0,70 466,71" \
    "$tmp/banner.ppm"
jpeg "$tmp/banner.ppm" "$out/banner.jpg"

############################################################################
# 2. calculator.jpg  32 x 32 on the button-face colour.
############################################################################
keys=()
for r in 0 1 2 3; do
    for c in 0 1 2; do
        x0=$((9 + c * 5)); y0=$((13 + r * 4))
        keys+=(-draw "rectangle $x0,$y0 $((x0 + 3)),$((y0 + 2))")
    done
done
convert -size 32x32 xc:"$FACE" +antialias \
    -fill '#2f3e4e' -draw "roundrectangle 6,1 25,30 2,2" \
    -fill '#3f5366' -draw "rectangle 7,2 24,29" \
    -fill '#cfe9d6' -draw "rectangle 9,4 22,9" \
    -fill '#2f3e4e' -draw "rectangle 16,6 21,7" \
    -fill '#e9edf1' "${keys[@]}" \
    -fill '#f0a040' -draw "rectangle 19,25 22,27" \
    "$tmp/calculator.ppm"
jpeg "$tmp/calculator.ppm" "$out/calculator.jpg"

############################################################################
# 3. app_icon.png  32 x 32 with transparency: blue tile, scales, yen sign.
############################################################################
convert -size 128x128 xc:none \
    \( -size 120x120 gradient:'#3b82d0'-"$BLUE_DARK" \
       \( -size 120x120 xc:none -fill white -draw "roundrectangle 0,0 119,119 24,24" \) \
       -compose CopyOpacity -composite \) -geometry +4+4 -compose Over -composite \
    -fill none -stroke white -strokewidth 7 \
    -draw "line 64,18 64,34" -draw "line 22,30 106,30" \
    -strokewidth 3.5 \
    -draw "line 28,30 16,62" -draw "line 28,30 40,62" \
    -draw "line 100,30 88,62" -draw "line 100,30 112,62" \
    -stroke none -fill white \
    -draw "circle 64,18 64,11" \
    -draw "path 'M 12,60 A 16,10 0 0 0 44,60 Z'" \
    -draw "path 'M 84,60 A 16,10 0 0 0 116,60 Z'" \
    -font "$SANS_BOLD" -pointsize 72 -fill white -gravity north -annotate +0+36 '¥' \
    -resize 32x32 -strip "png32:$out/app_icon.png"

############################################################################
# 4. result_caption.jpg  57 x 152: 计算结果 top to bottom on a blue band.
############################################################################
convert -size 57x152 xc:"$FACE" \
    \( -size 41x146 gradient:'#2c6fbd'-"$BLUE_DARK" \
       \( -size 41x146 xc:none -fill white -draw "roundrectangle 0,0 40,145 9,9" \) \
       -compose CopyOpacity -composite \) -geometry +8+3 -compose Over -composite \
    -font "$SANS_BOLD" -pointsize 25 -fill white -gravity north \
    -annotate +0+6 '计' -annotate +0+40 '算' -annotate +0+74 '结' -annotate +0+108 '果' \
    "$tmp/result_caption.ppm"
jpeg "$tmp/result_caption.ppm" "$out/result_caption.jpg"

############################################################################
# 5. about_portrait.jpg  76 x 115: the program's emblem for the about page.
############################################################################
scales 52x52 "$GOLD" "$tmp/scales_portrait.png"
convert -size 76x115 gradient:"$NAVY"-"$TEAL" \
    -fill none -stroke "$GOLD" -strokewidth 1 -draw "rectangle 2,2 73,112" \
    -stroke none \
    "$tmp/scales_portrait.png" -gravity north -geometry +0+12 -composite \
    -font "$SANS_BOLD" -pointsize 14 -fill white -annotate +0+70 'Pellumo' \
    -font "$SANS" -pointsize 11 -fill '#cfe4ea' -annotate +0+91 '诉讼费用计算' \
    "$tmp/about_portrait.ppm"
jpeg "$tmp/about_portrait.ppm" "$out/about_portrait.jpg"

############################################################################
# 6. about_site_banner.jpg  217 x 65: the maker's site banner, white panel.
############################################################################
convert -size 217x65 xc:white \
    -fill none -stroke '#c7d3de' -strokewidth 1 -draw "rectangle 0,0 216,64" \
    -stroke none -fill "$BLUE" -draw "rectangle 1,1 4,63" \
    \( -size 36x36 gradient:'#3b82d0'-"$BLUE_DARK" \
       \( -size 36x36 xc:none -fill white -draw "roundrectangle 0,0 35,35 7,7" \) \
       -compose CopyOpacity -composite \) -geometry +11+14 -compose Over -composite \
    -font "$SERIF_BOLD" -pointsize 24 -fill white -annotate +20+41 'O' \
    -font "$SANS_BOLD" -pointsize 17 -fill "$BLUE_DARK" -annotate +54+31 'OrvaneKivrel站' \
    -font "$SANS" -pointsize 11 -fill '#5a6673' -annotate +55+49 '法律实务计算工具' \
    "$tmp/about_site_banner.ppm"
jpeg "$tmp/about_site_banner.ppm" "$out/about_site_banner.jpg"

echo "pictures written to $out:"
ls -l "$out"
