#!/usr/bin/env bash
# Draws the launcher's icon and bitmaps with ImageMagick. The results are
# committed beside this script; run it again only to redraw them.
# Bitmaps are 24-bit BMP3 (what the resource compiler takes), drawn on the
# colour they stand on: the window's RGB(240,240,240) or the menu's, the same
# grey. The program gives that grey the scheme's face or menu colour, exact
# matches only, so a backdrop must stay exactly 240,240,240.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

navy='#0d2c5e'
sky='#2a7fb8'
wood='#e89a2c'
woodDark='#a8621a'
woodLine='#5a3208'
face='rgb(240,240,240)'
sans=DejaVu-Sans
sansBold=DejaVu-Sans-Bold

# bmp/png PICTURE FILE [BACKDROP]: transparent parts flattened on white, or
# on BACKDROP.
bmp() { convert "$1" -background "${3:-white}" -alpha remove -alpha off -type TrueColor "BMP3:$2"; }
# The same picture drawn at twice the size, for 200 %: the program scales it
# to the DPIs between and beyond.
png() {
  convert "$1" -background "${3:-white}" -alpha remove -alpha off -strip \
    -define png:exclude-chunks=date,time -type TrueColor "PNG24:$2"
}
# z ARGS: the numbers of a drawing at the scale $s (1 or 2).
z() { perl -pe "s/\\d+(\\.\\d+)?/\$&*$s/ge" <<<"$*"; }

# The crate emblem on a transparent square of side $1.
crate() {
  local s=$1 out=$2
  local m=$((s / 16)) ; [ $m -lt 1 ] && m=1
  local top=$((s * 5 / 16)) bottom=$((s - m - 1)) left=$m right=$((s - m - 1))
  local lid=$((top + s / 6)) stroke=$((s / 24 + 1))
  local plank1=$((lid + (bottom - lid) / 3)) plank2=$((lid + 2 * (bottom - lid) / 3))
  local hx1=$((s * 5 / 16)) hx2=$((s - s * 5 / 16 - 1)) hy=$((top - s / 5))
  convert -size "${s}x${s}" xc:none \
    -fill none -stroke "$woodLine" -strokewidth $((stroke + 1)) \
    -draw "roundrectangle $hx1,$hy $hx2,$((top + stroke)) $((s / 12 + 1)),$((s / 12 + 1))" \
    -stroke "$woodLine" -strokewidth "$stroke" -fill "$wood" \
    -draw "rectangle $left,$top $right,$bottom" \
    -fill "$woodDark" -draw "rectangle $left,$top $right,$lid" \
    -draw "line $left,$plank1 $right,$plank1" -draw "line $left,$plank2 $right,$plank2" \
    -fill '#f4f4f4' -stroke "$woodLine" \
    -draw "rectangle $((s / 2 - s / 10)),$((lid - s / 14)) $((s / 2 + s / 10)),$((lid + s / 14))" \
    "$out"
}

# Icon 128: the crate in 16 to 64 pixels (100 to 200 %).
for s in 64 48 40 32 24 20 16; do crate "$s" "$tmp/icon$s.png"; done
convert "$tmp"/icon{16,20,24,32,40,48,64}.png toolcrate.ico

# Bitmap 141: the banner along the left edge, 120 x 437. The dialog font
# decides how much of its height shows (Wine's is a little smaller than
# Windows'), so nothing that matters lies in its lowest 60 pixels.
# Bitmap 142: the maker's logo at the top right, 97 x 29.
# art SCALE SAVE SUFFIX HEIGHT: both at a scale (1 for 96 DPI, 2 for 200 %);
# the large banner is taller (480): a dialog font may grow faster than the DPI
# and the window with it.
art() {
  local s=$1 save=$2 h=$4
  crate "$(z 72)" "$tmp/crate72.png"
  convert -size "$(z "120x$h")" gradient:"$navy"-"$sky" \
    -fill 'rgba(255,255,255,0.06)' -stroke none \
    -draw "$(z polygon 0,300 120,220 120,260 0,340)" -draw "$(z polygon 0,360 120,280 120,300 0,380)" \
    "$tmp/crate72.png" -geometry "$(z +24+22)" -composite \
    "$tmp/banner-base.png"
  convert -size "$(z 260x70)" xc:none -fill white -font "$sansBold" -pointsize "$(z 32)" \
    -gravity west -annotate "$(z +0-8)" 'Toolcrate 2' \
    -fill '#a9d3f5' -font "$sans" -pointsize "$(z 14)" -annotate "$(z +3+22)" 'V A N T O R E L  S U I T E' \
    -rotate -90 "$tmp/title.png"
  convert "$tmp/banner-base.png" "$tmp/title.png" -geometry "$(z +26+108)" -composite \
    -fill '#f0a030' -draw "rectangle 0,0 $((120 * s - 1)),$((4 * s - 1))" \
    -fill "$navy" -draw "rectangle $((116 * s)),0 $((120 * s - 1)),$((h * s - 1))" \
    "$tmp/banner.png"
  "$save" "$tmp/banner.png" "banner$3"

  convert -size "$(z 97x29)" xc:"$face" \
    -fill "$navy" -draw "$(z roundrectangle 2,5 20,23 3,3)" \
    -fill "$wood" -draw "$(z rectangle 6,9 16,19)" -fill "$navy" -draw "$(z rectangle 6,12 16,13)" \
    -fill "$navy" -font "$sansBold" -pointsize "$(z 12)" -annotate "$(z +24+19)" 'VANTOREL' \
    "$tmp/logo.png"
  "$save" "$tmp/logo.png" "logo$3"
}
art 1 bmp .bmp 437
art 2 png -2x.png 480

# Menu marks, 12 x 12, drawn on a transparent square and flattened on the
# default menu's grey, so that their smoothed edges blend with it; at 24 x 24
# for 200 %, the same drawing through an affine transform (pixel centres stay
# pixel centres). The program turns only that exact grey into the scheme's
# menu colour, so coverage under 8 % is dropped: on the grey it would be a
# pixel a few steps off it, hardly seen, but a light speck around the mark
# when the grey turns dark.
marks() {
  local s=$1 save=$2 suffix=$3
  mark() { convert -size "$(z 12x12)" xc:none -affine "$s,0,0,$s,$(((s - 1) * 5))e-1,$(((s - 1) * 5))e-1" "$@"; }
  # 143 language: a globe; its outline drawn again over the white meridian,
  # which would otherwise break it with a light notch on the menu's colour.
  mark -fill '#2a7fb8' -stroke "$navy" -draw "circle 5.5,5.5 5.5,0.5" \
    -fill none -stroke white -draw "ellipse 5.5,5.5 2,5 0,360" -draw "line 1,5.5 10,5.5" \
    -stroke "$navy" -draw "circle 5.5,5.5 5.5,0.5" "$tmp/m143.png"
  # 147 exit: a door with an arrow.
  mark -fill '#c8d8ec' -stroke "$navy" -draw "rectangle 1,0 7,11" \
    -stroke '#c03020' -strokewidth 1.5 -draw "line 4,6 11,6" \
    -fill '#c03020' -stroke none -draw "polygon 11,6 8,3 8,9" "$tmp/m147.png"
  # 149 help files: a book with a question mark.
  mark -fill "$sky" -stroke "$navy" -draw "rectangle 1,0 10,11" \
    -fill white -stroke none -draw "rectangle 2,9 10,10" \
    -fill white -font "$sansBold" -pointsize "$(z 10)" -gravity center -annotate "$(z +0-1)" '?' "$tmp/m149.png"
  # 150 website: a chain link over a globe.
  mark -fill '#e6f1fb' -stroke "$sky" -draw "circle 5.5,5.5 5.5,0.5" \
    -fill none -stroke "$navy" -strokewidth 1.5 -draw "roundrectangle 1,4 6,7 2,2" \
    -draw "roundrectangle 5,4 10,7 2,2" "$tmp/m150.png"
  # 144 about: an "i" in a circle.
  mark -fill "$navy" -stroke none -draw "circle 5.5,5.5 5.5,0" \
    -fill white -draw "rectangle 5,5 6,9" -draw "rectangle 5,2 6,3" "$tmp/m144.png"
  for n in 143 144 147 149 150; do
    convert "$tmp/m$n.png" -channel A -fx 'u<0.08?0:u' +channel "$tmp/m$n.png"
    "$save" "$tmp/m$n.png" "menu$n$suffix" "$face"
  done
}
marks 1 bmp .bmp
marks 2 png -2x.png
