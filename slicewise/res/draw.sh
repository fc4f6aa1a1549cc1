#!/usr/bin/env bash
# Draws Slicewise's icon and bitmaps beside this script (ImageMagick 6,
# `convert`). The results are committed; run this again after changing it.
#
# Sizes follow the window under "MS Shell Dlg" 8 pt (1.5 pixels per dialog
# unit): the header is 78 pixels high so that it ends where the introduction
# starts, and both bands are wider than the window (the window clips them).
# Menu item bitmaps are 11 x 11, the menu check-mark size.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

FONT_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
NAVY='#1b3a6b'
NAVY_DARK='#0e2246'
ACCENT='#f08a24'
PAGE='#ffffff'
LINE='#9fb3cf'
# The window's background and the menu's, which the program gives the
# scheme's colours: the art is drawn on this grey exactly where it shows.
WINDOW_GREY='rgb(240,240,240)'

# --- The product mark: a page cut into three slices, the middle one pushed
# out to the right, drawn at 256 x 256 and scaled down.
mark() {   # mark <file>
  convert -size 256x256 xc:none \
    -stroke "$NAVY_DARK" -strokewidth 8 -fill "$PAGE" \
    -draw "path 'M 40,20 L 168,20 L 208,60 L 208,84 L 40,84 Z'" \
    -draw "roundrectangle 64,100 232,164 6,6" \
    -draw "roundrectangle 40,180 208,244 6,6" \
    -fill '#d6e0ef' -draw "path 'M 168,20 L 168,60 L 208,60 Z'" \
    -stroke "$LINE" -strokewidth 10 -draw "stroke-linecap round" \
    -draw "line 66,46 140,46" -draw "line 66,66 180,66" \
    -draw "line 90,120 206,120" -draw "line 90,142 180,142" \
    -draw "line 66,202 182,202" -draw "line 66,224 150,224" \
    -stroke none -fill "$ACCENT" \
    -draw "polygon 12,88 30,92 30,96 12,100" \
    -draw "polygon 244,168 226,172 226,176 244,180" \
    -stroke "$ACCENT" -strokewidth 6 -draw "line 24,94 236,94" -draw "line 24,174 236,174" \
    "$1"
}

mark "$work/mark256.png"
for s in 20 24 32 40 48 64; do
  convert "$work/mark256.png" -filter Lanczos -resize ${s}x${s} "$work/mark$s.png"
done
# At 16 x 16 the lines would blur: three plain slices, drawn pixel by pixel.
convert -size 16x16 xc:none +antialias -stroke "$NAVY_DARK" -fill "$PAGE" \
  -draw "rectangle 1,1 11,4" -draw "rectangle 4,6 14,9" -draw "rectangle 1,11 11,14" \
  -stroke "$LINE" -draw "line 3,3 8,3" -draw "line 6,8 12,8" -draw "line 3,13 9,13" \
  -stroke "$ACCENT" -draw "point 0,5" -draw "point 15,10" \
  "$work/mark16.png"
convert "$work/mark16.png" "$work/mark20.png" "$work/mark24.png" "$work/mark32.png" \
  "$work/mark40.png" "$work/mark48.png" "$work/mark64.png" "$out/Slicewise.ico"

# --- Header (bitmap 130) and footer (bitmap 129). bands SCALE FORMAT SUFFIX
# WIDTH draws them for 96 DPI (1, BMP3, .bmp, 640) and once more at twice the
# size for 200 % (2, PNG24, -2x.png), which the program scales to other DPIs;
# the large ones are wider (720): a dialog font may grow faster than the DPI
# and the window with it. z gives the numbers of a drawing at the scale.
z() { perl -pe "s/\\d+/\$&*$s/ge" <<<"$*"; }
png=(-strip -define png:exclude-chunks=date,time)
bands() {
  local s=$1 format=$2 suffix=$3 w=$4
  # The header: a navy band with the mark and the product name, an accent
  # rule, then the window grey under the welcome line.
  convert -size "$(z "78x$w")" gradient:"#2c5490"-"$NAVY_DARK" -rotate 90 \
    -crop "$(z "${w}x54+0+0")" +repage "$work/band.png"
  convert "$work/band.png" \
    \( "$work/mark256.png" -resize "$(z 44x44)" \) -geometry "$(z +16+5)" -composite \
    -font "$FONT_BOLD" -pointsize "$(z 22)" -fill white -annotate "$(z +70+36)" 'Vantorel Slicewise' \
    -fill none -stroke '#ffffff22' -strokewidth "$(z 14)" \
    -draw "$(z line 470,70 530,-16)" -draw "$(z line 510,70 570,-16)" \
    -draw "$(z line 550,70 610,-16)" \
    "$work/band.png"
  convert -size "$(z "${w}x78")" xc:"$WINDOW_GREY" \
    "$work/band.png" -geometry +0+0 -composite \
    -fill "$ACCENT" -draw "rectangle 0,$((54 * s)) $((w * s - 1)),$((57 * s - 1))" \
    "${png[@]}" -type TrueColor "$format:$out/header$suffix"
  # The footer: a thin rule, then a navy band with the maker's name.
  convert -size "$(z "66x$w")" gradient:"$NAVY"-"$NAVY_DARK" -rotate 90 +repage \
    -fill "$WINDOW_GREY" -draw "rectangle 0,0 $((w * s - 1)),$((6 * s - 1))" \
    -fill "$ACCENT" -draw "rectangle 0,$((6 * s)) $((w * s - 1)),$((8 * s - 1))" \
    -fill none -stroke '#ffffff14' -strokewidth "$(z 10)" \
    -draw "$(z line 20,66 50,8)" -draw "$(z line 44,66 74,8)" -draw "$(z line 68,66 98,8)" \
    -stroke none -font "$FONT_BOLD" -pointsize "$(z 12)" -fill '#c8d4e8' \
    -annotate "$(z +520+40)" 'VANTOREL' \
    "${png[@]}" -type TrueColor "$format:$out/footer$suffix"
}
bands 1 BMP3 .bmp 640
bands 2 PNG24 -2x.png 720

# --- Menu item bitmaps, drawn at 44 x 44 on a transparent square, scaled to 11,
# and once more to 22 for 200 %, and flattened on the menu's default grey.
# The program turns only that exact grey into the scheme's menu colour, so
# the mark is scaled while transparent (scaled on the grey, Lanczos would
# ring around it with pixels just off the grey) and coverage under 8 % is
# dropped: on the grey it would be a pixel a few steps off it, hardly seen,
# but a light speck left around the mark when the grey turns dark.
onGrey=(-channel A -fx 'u<0.08?0:u' +channel
  -background "$WINDOW_GREY" -alpha remove -alpha off)
icon() {   # icon <name> <draw arguments...>
  local name=$1; shift
  convert -size 44x44 xc:none "$@" -filter Lanczos -resize 11x11 "${onGrey[@]}" \
    -type TrueColor BMP3:"$out/menu_$name.bmp"
  convert -size 44x44 xc:none "$@" -filter Lanczos -resize 22x22 "${onGrey[@]}" \
    "${png[@]}" -type TrueColor PNG24:"$out/menu_$name-2x.png"
}
# Language selection: a speech bubble with a letter.
icon language -fill "$NAVY" -stroke none \
  -draw "roundrectangle 2,4 41,32 8,8" -draw "polygon 10,30 22,30 8,42" \
  -font "$FONT_BOLD" -pointsize 26 -fill white -gravity center -annotate +0-5 'A'
# About: an "i" in a circle.
icon about -fill "$NAVY" -draw "circle 22,22 22,1" \
  -fill white -draw "circle 22,11 22,7" -draw "rectangle 18,17 26,36"
# Exit: a door with an arrow leaving it.
icon exit -fill "$NAVY" -draw "rectangle 4,2 24,42" -fill white -draw "rectangle 9,7 20,37" \
  -fill "$NAVY" -draw "circle 17,23 17,20" \
  -fill '#c0392b' -draw "rectangle 22,19 34,25" -draw "polygon 32,11 43,22 32,33"
# Help file: a "?" in a circle.
icon help -fill "$NAVY" -draw "circle 22,22 22,1" \
  -font "$FONT_BOLD" -pointsize 32 -fill white -gravity center -annotate +0+1 '?'
# Website: a globe.
icon website -fill '#2e86c1' -draw "circle 22,22 22,1" \
  -fill none -stroke white -strokewidth 3 \
  -draw "ellipse 22,22 9,21 0,360" -draw "line 1,22 43,22" \
  -draw "line 5,12 39,12" -draw "line 5,32 39,32"

echo "drawn into $out"
