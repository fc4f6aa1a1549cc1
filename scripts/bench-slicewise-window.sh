#!/usr/bin/env bash
# How the Slicewise window answers while it divides 1 GiB, and how long the
# whole divide takes from the window against GNU split, on the same tmpfs.
# The real Slicewise.exe runs in a staged folder; responseprobe (another
# process, slicewise/bench) sends WM_NULL with SendMessageTimeout every 10 ms
# and reports the median, 99th percentile and worst answer time, first for
# IDLE_SECONDS of the idle window, then during the divide into 100 MB parts.
# RUNS runs (default 3), alternating with split -b 100M; medians at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${RUNS:-3}
idle_seconds=${IDLE_SECONDS:-3}
shm=${BENCH_DIR:-/dev/shm}

cmake --build "$build" --target Slicewise responseprobe >/dev/null
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build" own-display
wine=$(wine_bin)

work=$(mktemp -d "$shm/slicewise-window-bench.XXXXXX")
cleanup() { rm -rf "$work"; _wine_session_stop; }
trap cleanup EXIT
# shellcheck source=scripts/bench-lib.sh
source "$root/scripts/bench-lib.sh"

app=$work/app
mkdir -p "$app" "$work/ours" "$work/split"
cp "$build/slicewise/Slicewise.exe" "$root/slicewise/Slicewisetrl.ini" "$app/"
sed 's/\[----\]/[1033]/' "$root/slicewise/config.ini" >"$app/config.ini"
src=$work/source.bin
head -c $((1024 * 1024 * 1024)) /dev/urandom >"$src"

: >"$work/probe"; : >"$work/split.wall"
for i in $(seq 1 "$runs"); do
  rm -f "$work"/ours/* "$work"/split/*
  ours() {
    "$wine" "$build/slicewise/responseprobe.exe" "$(win "$app/Slicewise.exe")" "$(win "$src")" \
      "$(win "$work/ours")" "$idle_seconds" </dev/null 2>/dev/null | tr -d '\r' >>"$work/probe"
  }
  theirs() {
    local t0 t1
    t0=$(now)
    split -b 100M -d -a 5 --numeric-suffixes=1 --additional-suffix=.vtrl "$src" "$work/split/source.bin."
    t1=$(now)
    echo "$t1 - $t0" | bc -l >>"$work/split.wall"
  }
  if (( i % 2 )); then ours; theirs; else theirs; ours; fi
  for part in "$work"/split/source.bin.*.vtrl; do
    cmp -s "$part" "$work/ours/$(basename "$part")" || { echo "divide: $part differs" >&2; exit 1; }
  done
done

echo "Slicewise window, 1 GiB into 100 MB parts on $shm, $runs runs (medians of the runs' figures):"
for phase in idle divide; do
  grep "^$phase " "$work/probe" >"$work/$phase" || true
  printf '%-7s answer to WM_NULL: median %7.3f ms  99th percentile %7.3f ms  worst %8.3f ms  (%s samples per run)\n' \
    "$phase" "$(field median_ms <"$work/$phase" | median)" "$(field p99_ms <"$work/$phase" | median)" \
    "$(field worst_ms <"$work/$phase" | median)" "$(field samples <"$work/$phase" | median)"
done
ours=$(field seconds <"$work/divide" | median)
theirs=$(median <"$work/split.wall")
printf 'divide from the window %.3f s (command to completion message)  split -b 100M %.3f s  ratio %.2f\n' \
  "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"
echo "worst answers of each run: $(field worst_ms <"$work/divide" | tr '\n' ' ')ms"
