#!/usr/bin/env bash
# Screenshots of every window of the three programs in English and German at
# 120, 144 and 192 DPI (125, 150 and 200 %), each DPI in a Wine prefix of its
# own, one after the other, for checking that nothing is cut off or overlaps
# and that the art stays sharp:
#
#   scripts/dpi-screenshots.sh [FOLDER] [PROGRAM...]
#
# The images go into FOLDER/<dpi>/<program>/<window>-<en|de>.png (default
# <build>/dpi-screenshots); they are not part of the sources.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
into=${1:-$build/dpi-screenshots}
[ $# -gt 0 ] && shift
# Room for the largest window at 200 %.
export VT_SCREEN=1920x1440
for dpi in 120 144 192; do
  "$root/scripts/help-screenshots.sh" --dpi "$dpi" --into "$into/$dpi" "$@"
done
