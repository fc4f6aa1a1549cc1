#!/usr/bin/env bash
# Sets up, builds, stages the install layout in the build folder and starts
# the launcher Toolcrate under Wine in the build-local prefix.
#
#   scripts/run.sh [--language MARKER] [--screenshot FILE]
#
# On the user's display the launcher stays until the user closes it. Without
# a display it runs on a virtual one: the script saves a screenshot of the
# launcher (default: toolcrate.png in the build folder), closes it with
# WM_CLOSE and waits for it to end. --language sets "Language" in the staged
# config.ini, for example [1031] for German.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build

language=""
screenshot="$build/toolcrate.png"
while [ $# -gt 0 ]; do
  case $1 in
    --language) language=$2; shift 2 ;;
    --screenshot) screenshot=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: scripts/run.sh [--language MARKER] [--screenshot FILE]" >&2; exit 2 ;;
  esac
done

interactive=false
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then interactive=true; fi

"$root/scripts/build.sh"

# The install layout: the launcher with its files, one folder per module. The
# outside modules' folders stay empty; Verbsmith and Slicewise come with
# their own settings, language file and help file where the build has them.
install="$build/install"
rm -rf "$install"
mkdir -p "$install"
cp "$build/toolcrate/Toolcrate.exe" "$root/toolcrate/toolcratetrl.ini" "$install/"
# The launcher's own help lies beside it (the Start menu opens it).
if [ -f "$build/toolcrate/help.chm" ]; then cp "$build/toolcrate/help.chm" "$install/"; fi
if [ -n "$language" ]; then
  awk -v marker="$language" 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
    { print (previous == "Language" ? marker : $0); previous = $0 }' \
    "$root/toolcrate/config.ini" >"$install/config.ini"
else
  cp "$root/toolcrate/config.ini" "$install/"
fi
for module in Diskscour Tracebane Hivemop Prefkeeper Bootkindle Verbsmith Seekmark \
              Shredwell Cryptvale Slicewise Dirlister; do
  mkdir -p "$install/$module"
done
for program in Verbsmith Slicewise; do
  folder="$build/${program,,}"
  [ -f "$folder/$program.exe" ] || continue
  cp "$folder/$program.exe" "$install/$program/"
  for shipped in "$folder"/config.ini "$folder"/*trl.ini "$folder"/help.chm; do
    [ -f "$shipped" ] && cp "$shipped" "$install/$program/"
  done
done

# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build"
wine=$(wine_bin)
cd "$install"
if $interactive; then
  "$wine" Toolcrate.exe >/dev/null 2>&1
  exit 0
fi

caption="Vantorel Toolcrate 2"
windowctl="$build/toolcrate/windowctl.exe"
# The pointer in a corner, so the picture shows the description of the start
# (a place other than 0,0, where Wine believes it is at first).
"$wine" "$windowctl" pointer 3 3 >/dev/null 2>&1 || true
"$wine" Toolcrate.exe >/dev/null 2>&1 &
launcher=$!
if ! "$wine" "$windowctl" wait "$caption" 60 >/dev/null 2>&1; then
  echo "run: the launcher's window did not appear" >&2
  kill "$launcher" 2>/dev/null || true
  exit 1
fi
sleep 1   # let it paint
import -window root "$screenshot"
"$wine" "$windowctl" close "$caption" >/dev/null 2>&1
wait "$launcher"
echo "run: screenshot of the launcher in $screenshot"
