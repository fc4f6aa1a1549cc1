#!/usr/bin/env bash
# How fast the launcher comes back: the real Toolcrate.exe starts the
# stand-in module, the stand-in closes and clears the handshake value, and
# the end-to-end test measures until the launcher's window is visible again.
# The launcher polls every 200 ms; the target is under 0.5 s.
#   scripts/bench-toolcrate.sh [RUNS]   (default 10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build
runs=${1:-10}

[ -f "$build/build.ninja" ] || "$root/scripts/build.sh" >/dev/null
cmake --build "$build" --target toolcrate_e2e_tests >/dev/null
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build"

times=()
for _ in $(seq "$runs"); do
  line=$("$root/scripts/wine-run" "$build/tests/e2e/toolcrate_e2e_tests.exe" \
           --gtest_filter='*LauncherHidesWhileTheModuleRunsAndComesBack' | grep 'launcher back' || true)
  ms=$(sed -n 's/^launcher back \([0-9]*\) ms.*/\1/p' <<<"$line")
  [ -n "$ms" ] || { echo "bench: run failed" >&2; exit 1; }
  times+=("$ms")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted")
worst=$(tail -1 <<<"$sorted")
echo "launcher back after the module cleared the value: runs=$runs median=${median} ms worst=${worst} ms (target < 500 ms)"
