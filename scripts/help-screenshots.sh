#!/usr/bin/env bash
# Makes the screenshots of the help pages from the real programs: builds them,
# starts each under Wine on a private display in English and in German, opens
# its dialogs and saves each window, cut to its frame, as
# help/<program>/images/<name>-<en|de>.png. Re-run it whenever a window has
# changed; it replaces the images it makes, and the build compiles them into
# the help files.
#
#   scripts/help-screenshots.sh [--dpi DPI] [--scheme SCHEME] [--into FOLDER]
#                               [PROGRAM...]     (verbsmith slicewise toolcrate)
#
# --dpi runs the programs at that DPI (the prefix's LogPixels) and --scheme
# under a colour scheme of the user's (black, white, or contrast: high
# contrast with its black scheme), each in a prefix of its own; --into puts
# the images into FOLDER/<program> instead of the help pages' folders
# (scripts/dpi-screenshots.sh, scripts/scheme-screenshots.sh). Into the help
# pages' folders a scheme's images go named <scheme>-<name>-<language>.png.
#
# LANGUAGES="es:[1034] nl:[1043] fr:[1036]" (say) with --into makes the same
# shots in other languages, for looking at them; the help files keep English
# and German.
#
# RESTORE_COMMAND names Verbsmith's Restore command in its resource.h
# (default ID_FUNCTIONS_RESTORE); without such a command its shot is skipped.
#
# It works in <build>/help-screenshots: a Wine prefix of its own (with a few
# sample context-menu entries, so Verbsmith's list shows what users see), the
# staged programs and scratch files. Nothing of the build's own prefix is used.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
dpi=96
scheme=""
into=""
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=$2; shift 2 ;;
    --scheme) scheme=$2; shift 2 ;;
    --into) into=$(realpath -m "$2"); shift 2 ;;
    *) break ;;
  esac
done
work="$build/help-screenshots"
[ "$dpi" = 96 ] || work="$build/help-screenshots-$dpi-dpi"
[ -z "$scheme" ] || work="$work-$scheme"
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(verbsmith slicewise toolcrate)
# image_folder PROGRAM: where its images go.
image_folder() { if [ -n "$into" ]; then echo "$into/$1"; else echo "$root/help/$1/images"; fi; }
# px N: a client pixel position drawn for 96 DPI, at the DPI of the run.
px() { echo $(($1 * dpi / 96)); }

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target Verbsmith Slicewise Toolcrate helpshot

# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$work" own-display
wine=$(wine_bin)
# The wineserver started with the prefix's old DPI goes.
if [ "$("$wine" reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null |
        tr -d '\r' | awk '/LogPixels/ { print $3 }')" != "$(printf '0x%x' "$dpi")" ]; then
  wine_set_dpi "$dpi"
  wineserver -k; wineserver -w
  wineserver -p >/dev/null 2>&1 </dev/null
fi
# set_scheme NAME: the user's colours (and high contrast) as the system's
# colour settings store them; read when the wineserver starts.
set_scheme() {
  local colours key='HKCU\Control Panel\Colors' pair
  case $1 in
    black|contrast)
      colours="ButtonFace=0 0 0;ButtonText=255 255 255;Window=0 0 0;WindowText=255 255 255"
      colours+=";Menu=0 0 0;MenuText=255 255 255;ButtonShadow=128 128 128;ButtonHilight=192 192 192"
      colours+=";ButtonLight=64 64 64;ButtonDkShadow=96 96 96;InfoWindow=0 0 0;InfoText=255 255 255"
      colours+=";WindowFrame=255 255 255;MenuBar=0 0 0;Scrollbar=0 0 0;AppWorkspace=0 0 0" ;;
    white)
      colours="ButtonFace=255 255 255;ButtonText=0 0 0;Window=255 255 255;WindowText=0 0 0"
      colours+=";Menu=255 255 255;MenuText=0 0 0;MenuBar=255 255 255" ;;
    *) echo "help-screenshots: unknown scheme $1" >&2; exit 2 ;;
  esac
  [ "$1" = black ] && colours+=";Hilight=0 120 215;HilightText=255 255 255;HotTrackingColor=102 178 255"
  [ "$1" = contrast ] && colours+=";Hilight=26 235 255;HilightText=0 0 0;GrayText=63 242 63;HotTrackingColor=255 255 0"
  IFS=';' read -ra pairs <<<"$colours"
  for pair in "${pairs[@]}"; do
    "$wine" reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
  done
  if [ "$1" = contrast ]; then
    "$wine" reg add 'HKCU\Control Panel\Accessibility\HighContrast' /v Flags /d 127 /f >/dev/null 2>&1
  fi
  # A scheme of the user's colours comes without a visual style, as on
  # Windows: themed controls would keep their own light look.
  "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d 0 /f >/dev/null 2>&1
}
if [ -n "$scheme" ] && [ ! -f "$work/.vt-scheme" ]; then
  set_scheme "$scheme"
  touch "$work/.vt-scheme"
  wineserver -k; wineserver -w
  wineserver -p >/dev/null 2>&1 </dev/null
fi
# Console output of Windows programs ends its lines in CR LF.
ctl() { "$root/scripts/wine-run" "$build/help/helpshot.exe" "$@" | tr -d '\r'; }

# A command id by its name in the program's resource.h, so that the script
# follows the programs when ids move.
command_id() {
  sed -n "s/^#define[[:space:]]\{1,\}$2[[:space:]]\{1,\}\([0-9]\{1,\}\).*/\1/p" "$root/$1/resource.h"
}

# named FILE: the file an image goes to.
named() {
  if [ -n "$scheme" ] && [ -z "$into" ]; then echo "$(dirname "$1")/$scheme-$(basename "$1")"; else echo "$1"; fi
}

# shot CAPTION FILE: the window with that caption, cut out of the screen.
shot() {
  local geometry
  set -- "$1" "$(named "$2")"
  sleep 0.7   # let it paint
  geometry=$(ctl rect "$1")
  import -window root -crop "$geometry" +repage -strip \
    -define png:exclude-chunks=date,time "$2"
  echo "help-screenshots: ${2#"$root"/}"
}

# menu_shots MAIN COUNT FOLDER LANGUAGE: at a DPI of its own, each of the
# COUNT menus of the menu bar opened, with the window (menu-<n>-<language>).
menu_shots() {
  local main=$1 count=$2 geometry n file
  [ "$dpi" = 96 ] && return 0
  for ((n = 0; n < count; n++)); do
    file=$(named "$3/menu-$n-$4.png")
    geometry=$(ctl menu "$main" "$n")
    sleep 0.5
    import -window root -crop "$geometry" +repage -strip \
      -define png:exclude-chunks=date,time "$file"
    echo "help-screenshots: ${file#"$root"/}"
    ctl key "$main" 27; ctl key "$main" 27   # Escape: the menu, then the menu bar
    sleep 0.3
  done
}

# dialog_shot MAIN COMMAND FILE: opens a dialog by its menu command, saves it
# and closes it again.
dialog_shot() {
  local caption
  ctl command "$1" "$2"
  caption=$(ctl dialog "$1" 20)
  shot "$caption" "$3"
  ctl close "$caption"
  sleep 0.5
}

# stage PROGRAM MARKER: the program in the install layout, in that language.
stage() {
  local source="$root/$1/config.ini" target
  case $1 in
    toolcrate) target="$work/install" ;;
    *) target="$work/install/${1^}" ;;
  esac
  mkdir -p "$target"
  cp "$build/$1/${1^}.exe" "$build/$1/"*trl.ini "$target/"
  awk -v marker="$2" 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
    { print (previous == "Language" ? marker : $0); previous = $0 }' "$source" >"$target/config.ini"
  echo "$target"
}

# start FOLDER EXE CAPTION: starts the program and waits for its window.
start() {
  (cd "$1" && exec "$wine" "$2" >/dev/null 2>&1) &
  program_pid=$!
  ctl wait "$3" 60 >/dev/null
}

finish() {
  ctl close "$1"
  wait "$program_pid" || true
}

seed_prefix() {
  [ -f "$work/.vt-samples" ] && return 0
  local classes='HKCR' reg=("$wine" reg add)
  "${reg[@]}" "$classes\\*\\shell\\Open with Notepad" /ve /d "Open with Notepad" /f
  "${reg[@]}" "$classes\\*\\shell\\Open with Notepad\\command" /ve /d "notepad.exe %1" /f
  "${reg[@]}" "$classes\\Directory\\shell\\Command prompt here\\command" /ve \
    /d 'cmd.exe /k cd "%1"' /f
  "${reg[@]}" "$classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Copy To" /ve \
    /d "{C2FBB630-2971-11D1-A18C-00C04FD75D13}" /f
  "${reg[@]}" "$classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Move To" /ve \
    /d "-{C2FBB631-2971-11D1-A18C-00C04FD75D13}" /f
  touch "$work/.vt-samples"
} >/dev/null 2>&1

verbsmith_shots() {   # LANGUAGE MARKER
  local folder images main="Vantorel Verbsmith 2" dialog restore
  images=$(image_folder verbsmith)
  local example="Open with Notepad" backups
  [ "$1" = de ] && example="Mit Editor öffnen"
  restore=$(command_id verbsmith "${RESTORE_COMMAND:-ID_FUNCTIONS_RESTORE}")
  # The backups of earlier runs would pile up in the Restore list.
  for backups in "$WINEPREFIX"/drive_c/users/*/AppData/Local/Vantorel/Verbsmith/Backups; do
    rm -rf "$backups"
  done
  folder=$(stage verbsmith "$2")
  start "$folder" Verbsmith.exe "$main"
  shot "$main" "$images/main-$1.png"
  menu_shots "$main" 3 "$images" "$1"

  # The add dialog, filled in as a user would for a new entry.
  ctl command "$main" "$(command_id verbsmith ID_FUNCTIONS_ADD)"
  dialog=$(ctl dialog "$main" 20)
  ctl select "$dialog" 1003 1
  ctl settext "$dialog" 1007 "$example"
  ctl settext "$dialog" 1004 "notepad.exe %1"
  shot "$dialog" "$images/add-edit-$1.png"
  if [ -n "$restore" ]; then
    # Added for real, so that the Restore list holds a backup; taken away
    # again below.
    ctl click "$dialog" 1
    sleep 1
    ctl close "$dialog"   # the message that the entry was added, owned by the dialog
  else
    ctl close "$dialog"
  fi
  sleep 0.5

  dialog_shot "$main" "$(command_id verbsmith ID_FILE_LANGUAGE)" "$images/language-$1.png"
  dialog_shot "$main" "$(command_id verbsmith ID_HELP_ABOUT)" "$images/about-$1.png"
  if [ -n "$restore" ]; then
    dialog_shot "$main" "$restore" "$images/restore-$1.png"
  else
    echo "help-screenshots: Verbsmith has no Restore command yet; restore-$1.png not made"
  fi
  finish "$main"
  if [ -n "$restore" ] && [ "$1" = de ]; then
    "$wine" reg delete "HKCR\\*\\shell\\$example" /f >/dev/null 2>&1 || true
  fi
}

slicewise_shots() {   # LANGUAGE MARKER
  local folder images main="Vantorel Slicewise" data dialog
  images=$(image_folder slicewise)
  local video=holiday-video.mp4   # the name the pages use in their examples
  [ "$1" = de ] && video=urlaub.mp4
  folder=$(stage slicewise "$2")
  start "$folder" Slicewise.exe "$main"
  shot "$main" "$images/main-$1.png"
  menu_shots "$main" 2 "$images" "$1"
  dialog_shot "$main" "$(command_id slicewise ID_FILE_LANGUAGE)" "$images/language-$1.png"
  dialog_shot "$main" "$(command_id slicewise ID_HELP_ABOUT)" "$images/about-$1.png"

  # The hint that Merge gives before it asks for the first part.
  ctl click "$main" 1014
  dialog=$(ctl dialog "$main" 20)
  shot "$dialog" "$images/merge-hint-$1.png"
  ctl close "$dialog"
  ctl close "$(ctl dialog "$main" 20)"   # the file dialog that follows
  sleep 0.5

  # A divide while it runs: a sparse 3 GiB source on the memory disk, shown
  # to the program as drive D:, cut into CD-sized parts, caught a moment
  # after it began.
  data=$(mktemp -d /dev/shm/help-shots.XXXXXX)
  mkdir "$data/Videos"
  truncate -s 3G "$data/Videos/$video"
  ln -sfn "$data" "$WINEPREFIX/dosdevices/d:"
  ctl settext "$main" 1000 "D:\\Videos\\$video"
  ctl settext "$main" 1002 'D:\Videos\...'
  ctl click "$main" 1010
  ctl click "$main" 1013
  sleep 0.5
  shot "$main" "$images/divide-running-$1.png"
  ctl close "$(ctl dialog "$main" 300)"   # the completion message
  rm -f "$WINEPREFIX/dosdevices/d:"
  rm -rf "$data"
  finish "$main"
}

toolcrate_shots() {   # LANGUAGE MARKER
  local folder images main="Vantorel Toolcrate 2" question
  images=$(image_folder toolcrate)
  local policies='HKLM\Software\Microsoft\Windows\CurrentVersion\Policies\System'
  folder=$(stage toolcrate "$2")
  mkdir -p "$folder"/{Diskscour,Tracebane,Hivemop,Prefkeeper,Bootkindle,Seekmark,Shredwell,Cryptvale,Dirlister}

  # The question a launcher asks at start when User Account Control is on.
  "$wine" reg add "$policies" /v EnableLUA /t REG_DWORD /d 1 /f >/dev/null 2>&1
  (cd "$folder" && exec "$wine" Toolcrate.exe >/dev/null 2>&1) &
  program_pid=$!
  question=$(ctl dialog "$main" 60)
  shot "$question" "$images/uac-$1.png"
  ctl click "$question" 6   # Yes
  "$wine" reg delete "$policies" /v EnableLUA /f >/dev/null 2>&1
  ctl wait "$main" 60 >/dev/null

  ctl point "$main" -40 -40   # away from the window: the start description
  shot "$main" "$images/main-$1.png"
  # In Verbsmith's hover area, below its button (at another DPI a little
  # higher: the area follows the buttons, which grow slower than the DPI).
  if [ "$dpi" = 96 ]; then ctl point "$main" 520 228; else ctl point "$main" "$(px 520)" "$(px 200)"; fi
  shot "$main" "$images/hover-$1.png"
  ctl point "$main" -40 -40
  menu_shots "$main" 3 "$images" "$1"
  dialog_shot "$main" "$(command_id toolcrate ID_FILE_LANGUAGE)" "$images/language-$1.png"
  dialog_shot "$main" "$(command_id toolcrate ID_HELP_ABOUT)" "$images/about-$1.png"
  finish "$main"
}

seed_prefix
for language in ${LANGUAGES:-en:[1033] de:[1031]}; do
  for program in "${programs[@]}"; do
    mkdir -p "$(image_folder "$program")"
    "${program}_shots" "${language%%:*}" "${language#*:}"
  done
done
