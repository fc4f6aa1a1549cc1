#!/usr/bin/env bash
# Screenshots of every window of the three programs in all five languages
# under a black scheme, a white scheme and high contrast, at 96 and 144 DPI,
# each in a Wine prefix of its own, for checking that every text reads and
# nothing keeps the default grey:
#
#   scripts/scheme-screenshots.sh [FOLDER] [PROGRAM...]
#
# The images go into FOLDER/<scheme>-<dpi>/<program>/<window>-<language>.png
# (default <build>/scheme-screenshots); they are not part of the sources.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
into=${1:-$build/scheme-screenshots}
[ $# -gt 0 ] && shift
export VT_SCREEN=1920x1440
export LANGUAGES="en:[1033] de:[1031] es:[1034] nl:[1043] fr:[1036]"
for scheme in black white contrast; do
  for dpi in 96 144; do
    "$root/scripts/help-screenshots.sh" --dpi "$dpi" --scheme "$scheme" --into "$into/$scheme-$dpi" "$@"
  done
done
