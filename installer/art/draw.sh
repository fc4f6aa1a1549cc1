#!/usr/bin/env bash
# Draws the installer wizard's pictures with ImageMagick from the launcher's
# art (toolcrate/res: the banner's palette and streaks, the icon's crate).
# The results are committed beside this script; run it again only to redraw
# them, after toolcrate/res/draw.sh when the launcher's art changed.
# Bitmaps are 24-bit BMP3, the sizes the wizard's pages ask for at 96 DPI:
#   wizard.bmp  164 x 314, the welcome and finish pages' picture on the left
#   header.bmp  150 x 57, the other pages' picture at the top right, on the
#               header's white
# The installer stretches them to larger DPIs keeping their proportions
# (Setup.nsi says how and why).
set -euo pipefail
cd "$(dirname "$0")"
res=../../toolcrate/res
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The launcher's palette (toolcrate/res/draw.sh).
navy='#0d2c5e'
sky='#2a7fb8'
orange='#f0a030'
pale='#a9d3f5'
sans=DejaVu-Sans
sansBold=DejaVu-Sans-Bold

bmp() { convert "$1" -background white -alpha remove -alpha off -type TrueColor "BMP3:$2"; }
# crate SIZE FILE: the launcher's crate emblem as its icon draws it at that
# size (16 to 64), on transparent.
crate() {
  local frame
  frame=$(identify -format '%p %w\n' "$res/toolcrate.ico" | awk -v s="$1" '$2 == s { print $1; exit }')
  convert "$res/toolcrate.ico[$frame]" "$2"
}

# The welcome and finish picture: the banner's sky with its light streaks, the
# orange rule at the top and the navy edge towards the page, the crate and the
# suite's name across it.
crate 64 "$tmp/crate64.png"
convert -size 164x314 gradient:"$navy"-"$sky" \
  -fill 'rgba(255,255,255,0.06)' -stroke none \
  -draw 'polygon 0,250 164,140 164,195 0,305' -draw 'polygon 0,320 164,210 164,237 0,347' \
  "$tmp/crate64.png" -geometry +50+44 -composite \
  -fill white -font "$sansBold" -pointsize 22 -gravity north -annotate +0+122 'Toolcrate 2' \
  -fill "$pale" -font "$sans" -pointsize 10 -annotate +0+154 'V A N T O R E L   S U I T E' \
  -gravity northwest -fill "$orange" -draw 'rectangle 0,0 163,3' \
  -fill "$navy" -draw 'rectangle 160,0 163,313' \
  "$tmp/wizard.png"
bmp "$tmp/wizard.png" wizard.bmp

# The header picture: the crate on a slanted piece of the banner's navy top,
# with its orange rule, standing on the header's white. Plain navy rather
# than the banner's gradient: a smaller dialog font (Wine's) makes the wizard
# shrink the picture, and its shrinking merges neighbouring rows of a gradient
# into dark lines.
crate 40 "$tmp/crate40.png"
convert -size 150x57 xc:white -stroke none \
  -fill "$navy" -draw 'polygon 72,0 149,0 149,56 52,56' \
  -fill "$orange" -draw 'polygon 72,0 149,0 149,2 71,2' \
  "$tmp/crate40.png" -geometry +94+10 -composite \
  "$tmp/header.png"
bmp "$tmp/header.png" header.bmp
