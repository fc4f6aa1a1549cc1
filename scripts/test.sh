#!/usr/bin/env bash
# The whole check: set-up, build, static analysis, every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build

"$root/scripts/build.sh"
echo "== cppcheck"
"$root/scripts/cppcheck.sh"
echo "== tests"
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build" own-display
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
