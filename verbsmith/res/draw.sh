#!/usr/bin/env bash
# Draws Verbsmith's icons and bitmaps beside this script with ImageMagick.
# The results are committed; run this again only to change the artwork.
# Every small image is drawn on a 256 x 256 canvas and scaled down, which
# gives smooth edges at 16, 13 and 32 pixels.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

blue='#215DC6'      # the count line's colour, the product's accent
navy='#123A80'
face='#F0F0F0'      # the dialog's background

# canvas NAME DRAW-ARGS...: a transparent 256 x 256 drawing in $tmp/NAME.png
canvas() {
  local name=$1; shift
  convert -size 256x256 xc:none "$@" "$tmp/$name.png"
}

# icon ID NAME SIZES...: an .ico holding the drawing at each size
icon() {
  local id=$1 name=$2; shift 2
  local parts=()
  for s in "$@"; do
    convert "$tmp/$name.png" -resize "${s}x${s}" "$tmp/$name-$s.png"
    parts+=("$tmp/$name-$s.png")
  done
  convert "${parts[@]}" "$out/icon$id.ico"
}

# menubmp ID NAME: a 13 x 13 menu item image on the menu's background, and
# once more at 26 x 26 for 200 %.
menubmp() {
  convert -size 13x13 "xc:$face" \( "$tmp/$2.png" -resize 13x13 \) -composite \
    -type TrueColor "BMP3:$out/bitmap$1.bmp"
  convert -size 26x26 "xc:$face" \( "$tmp/$2.png" -resize 26x26 \) -composite \
    -strip -define png:exclude-chunks=date,time -type TrueColor "PNG24:$out/bitmap$1-2x.png"
}

# --- shapes shared by several images -------------------------------------
page=(-fill white -stroke '#5A6B85' -strokewidth 12
      -draw 'polygon 56,20 160,20 208,68 208,236 56,236'
      -fill '#DCE6F5' -draw 'polygon 160,20 160,68 208,68')
folder=(-stroke '#A8741A' -strokewidth 12 -fill '#F5C84C'
        -draw 'polygon 20,60 100,60 120,84 236,84 236,220 20,220'
        -fill '#FFDD77' -draw 'polygon 20,108 236,108 236,220 20,220')

# --- the program icon: a context menu with a highlighted verb and a spark ---
canvas app \
  -fill '#00000030' -stroke none -draw 'roundrectangle 40,36 236,244 22,22' \
  -fill white -stroke "$navy" -strokewidth 10 -draw 'roundrectangle 24,20 220,228 20,20' \
  -fill "$blue" -stroke none -draw 'rectangle 30,98 214,142' \
  -fill '#8C9BB5' -draw 'roundrectangle 52,48 190,68 8,8' \
  -fill white -draw 'roundrectangle 52,110 190,130 8,8' \
  -fill '#8C9BB5' -draw 'roundrectangle 52,166 170,186 8,8' \
  -fill '#FFB020' -stroke '#B86E00' -strokewidth 6 \
  -draw 'polygon 214,150 226,186 252,192 230,208 238,246 214,224 190,246 198,208 176,192 202,186'
icon 128 app 16 20 24 32 40 48 64

# --- row images (16 x 16; 20, 24 and 32 for 125 to 200 %) --------------------
# 133: image directories
canvas image -fill white -stroke '#4A5A75' -strokewidth 12 -draw 'rectangle 16,40 240,216' \
  -fill '#9CD0FF' -stroke none -draw 'rectangle 26,50 230,206' \
  -fill '#3FA34D' -draw 'polygon 26,206 96,110 150,180 180,146 230,206' \
  -fill '#FFD23F' -draw 'circle 186,88 186,108'
icon 133 image 16 20 24 32
# 134: drives
canvas drive -fill '#C8CED8' -stroke '#4A5568' -strokewidth 12 \
  -draw 'roundrectangle 16,84 240,188 18,18' \
  -fill '#8F99AA' -stroke none -draw 'rectangle 28,150 228,176' \
  -fill '#3CCB5A' -draw 'circle 200,118 200,132' -fill '#4A5568' -draw 'rectangle 40,110 140,124'
icon 134 drive 16 20 24 32
# 135: all file system objects (a page in front of a folder)
canvas allobjects "${folder[@]}" \
  -fill white -stroke '#5A6B85' -strokewidth 12 -draw 'polygon 110,70 190,70 226,106 226,244 110,244' \
  -fill '#DCE6F5' -draw 'polygon 190,70 190,106 226,106'
icon 135 allobjects 16 20 24 32
# 136: folders and directories
canvas folder "${folder[@]}"
icon 136 folder 16 20 24 32
# 137: audio directories
canvas audio "${folder[@]}" -fill "$navy" -stroke "$navy" -strokewidth 14 \
  -draw 'line 168,96 168,186' -draw 'line 168,96 208,116' -stroke none -draw 'ellipse 146,188 26,20 0,360'
icon 137 audio 16 20 24 32
# 138: video directories (a film strip)
canvas video -fill '#2E3440' -stroke none -draw 'roundrectangle 24,36 232,220 12,12' \
  -fill white -draw 'rectangle 34,48 50,64' -draw 'rectangle 34,96 50,112' -draw 'rectangle 34,144 50,160' \
  -draw 'rectangle 34,192 50,208' -draw 'rectangle 206,48 222,64' -draw 'rectangle 206,96 222,112' \
  -draw 'rectangle 206,144 222,160' -draw 'rectangle 206,192 222,208' \
  -fill '#6FB6FF' -draw 'rectangle 66,50 190,206' -fill white -draw 'polygon 108,88 108,168 168,128'
icon 138 video 16 20 24 32
# 139: all files
canvas allfiles "${page[@]}" -stroke none -fill "$blue" -draw 'rectangle 84,104 180,116' \
  -draw 'rectangle 84,140 180,152' -draw 'rectangle 84,176 150,188'
icon 139 allfiles 16 20 24 32
# 150: Send To (an arrow into a tray)
canvas sendto -fill '#DCE6F5' -stroke '#4A5A75' -strokewidth 12 \
  -draw 'polygon 20,150 80,150 96,182 160,182 176,150 236,150 236,236 20,236' \
  -fill '#2FA84F' -stroke '#1C6E32' -strokewidth 10 \
  -draw 'polygon 96,20 160,20 160,92 204,92 128,168 52,92 96,92'
icon 150 sendto 16 20 24 32

# --- menu item images (13 x 13) ---------------------------------------------
canvas globe -fill '#7CC4FF' -stroke "$navy" -strokewidth 18 -draw 'circle 128,128 128,20' \
  -fill none -strokewidth 12 -draw 'ellipse 128,128 48,108 0,360' -draw 'line 20,128 236,128' \
  -draw 'line 40,76 216,76' -draw 'line 40,180 216,180'
menubmp 142 globe
canvas about -fill "$blue" -stroke none -draw 'circle 128,128 128,12' \
  -fill white -draw 'circle 128,72 128,94' -draw 'roundrectangle 108,114 148,206 10,10'
menubmp 143 about
canvas exit -fill '#D9534F' -stroke '#8E1F1B' -strokewidth 12 -draw 'roundrectangle 20,20 236,236 40,40' \
  -stroke white -strokewidth 34 -draw 'line 80,80 176,176' -draw 'line 176,80 80,176'
menubmp 146 exit
canvas help -fill "$blue" -stroke none -draw 'circle 128,128 128,12' \
  -fill white -font DejaVu-Sans-Bold -pointsize 190 -gravity center -annotate +0+8 '?'
menubmp 148 help
canvas web -fill '#7CC4FF' -stroke '#1C6E32' -strokewidth 18 -draw 'circle 128,128 128,20' \
  -fill none -stroke '#1C6E32' -strokewidth 12 -draw 'ellipse 128,128 48,108 0,360' \
  -draw 'line 20,128 236,128' -fill '#2FA84F' -stroke none -draw 'polygon 40,60 112,44 120,100 64,120' \
  -draw 'polygon 148,140 212,120 206,190 160,206'
menubmp 149 web
canvas check -fill none -stroke '#2FA84F' -strokewidth 52 -draw 'polyline 32,132 100,204 226,56'
menubmp 152 check
canvas run -fill '#2FA84F' -stroke '#1C6E32' -strokewidth 12 -draw 'polygon 48,24 232,128 48,232'
menubmp 153 run
canvas add -fill '#2FA84F' -stroke '#1C6E32' -strokewidth 12 \
  -draw 'polygon 96,16 160,16 160,96 240,96 240,160 160,160 160,240 96,240 96,160 16,160 16,96 96,96'
menubmp 154 add
# 155: Restore from backup (a turning arrow that goes back)
canvas restore -fill none -stroke '#215DC6' -strokewidth 36 -draw 'arc 40,40 216,216 200,470' \
  -fill '#215DC6' -stroke '#123A80' -strokewidth 8 -draw 'polygon 8,96 112,96 60,176'
menubmp 155 restore

# --- header (130) and footer (129) of the main window, 640 pixels wide ---------
# bands SCALE FORMAT SUFFIX WIDTH: drawn at 96 DPI (1, BMP3, .bmp, 640) and
# once more at twice the size for 200 % (2, PNG24, -2x.png), which the program
# scales to other DPIs. The large bands are wider (720): a dialog font may grow
# faster than the DPI and the window with it. z gives the numbers of a drawing
# at the scale.
z() { perl -pe "s/\\d+/\$&*$s/ge" <<<"$*"; }
bands() {
  local s=$1 format=$2 suffix=$3 w=$4
  convert "$tmp/app.png" -resize "$(z 52x52)" "$tmp/app52.png"
  # The blue band ends 13 pixels above the image's bottom: the group box below
  # has its caption there, which then stands on the window's grey.
  convert -size "$(z "60x$w")" gradient:"#2B6AD8"-"$navy" -rotate 90 \
    \( -size "$(z "${w}x60")" xc:none -fill '#FFFFFF14' -draw "$(z polygon 420,0 520,0 400,60 300,60)" \
       -draw "$(z polygon 540,0 600,0 480,60 420,60)" \
       -draw "$(z polygon 610,0 640,0 640,16 560,60 520,60)" \) -composite \
    -background "$face" -extent "$(z "${w}x73")" \
    "$tmp/app52.png" -geometry "$(z +16+4)" -composite \
    -font Liberation-Sans-Bold -pointsize "$(z 26)" -fill white -annotate "$(z +82+38)" 'Vantorel Verbsmith' \
    -fill '#FFB020' -draw "rectangle 0,$((58 * s)) $((w * s)),$((61 * s - 1))" \
    -strip -define png:exclude-chunks=date,time -type TrueColor "$format:$out/bitmap130$suffix"
  convert -size "$(z "${w}x50")" gradient:'#D6E0F0'-"$face" \
    -fill "$blue" -draw "rectangle 0,0 $((w * s)),$((2 * s - 1))" \
    -font Liberation-Sans-Bold -pointsize "$(z 15)" -fill '#8FA6CC' -gravity east \
    -annotate "$(z "+$((16 + w - 640))+2")" 'Vantorel' \
    -strip -define png:exclude-chunks=date,time -type TrueColor "$format:$out/bitmap129$suffix"
}
bands 1 BMP3 .bmp 640
bands 2 PNG24 -2x.png 720
echo "drawn into $out"
