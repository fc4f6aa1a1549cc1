#!/usr/bin/env bash
# Speed and memory of Slicewise's Divide and Merge engine, measured side by
# side with plain references on the same tmpfs, through the console driver
# slicebench (slicewise/core/bench):
#   divide 1 GiB into 100 MiB parts    against  GNU split -b 100M
#   merge those parts                  against  dd bs=64k of each part in turn
# as medians of PAIRS alternating pairs (default 5); then the peak working set
# of a divide and a merge of a sparse source over 4 GiB (user-defined part
# size) against the driver's idle working set, with the joined file compared
# to the source.
# Times are wall times of whole processes, so ours include starting the
# program under Wine; the driver's own time of the command is shown as well.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
pairs=${PAIRS:-5}
shm=${BENCH_DIR:-/dev/shm}

cmake --build "$build" --target slicebench >/dev/null
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build"
wine=$(wine_bin)
bench=$build/slicewise/core/slicebench.exe

work=$(mktemp -d "$shm/slicewise-bench.XXXXXX")
cleanup() { rm -rf "$work"; _wine_session_stop; }
trap cleanup EXIT
win() { echo "Z:${1//\//\\}"; }   # Windows path of a Unix path, through drive Z:

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc -l; }
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
field() { tr -d '\r' | sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

# Runs the driver; prints its wall time and keeps its own line in $work/last.
run_ours() {
  local t0 t1
  t0=$(now)
  "$wine" "$bench" "$@" >"$work/last" 2>/dev/null </dev/null
  t1=$(now)
  elapsed "$t0" "$t1"
}

"$wine" "$bench" idle >/dev/null 2>&1   # warm the prefix

src=$work/source.bin
head -c $((1024 * 1024 * 1024)) /dev/urandom >"$src"
mkdir -p "$work/ours" "$work/split"

: >"$work/divide.ours"; : >"$work/divide.ours.inner"; : >"$work/divide.split"
: >"$work/merge.ours"; : >"$work/merge.ours.inner"; : >"$work/merge.dd"; : >"$work/idle.wall"
for i in $(seq 1 "$pairs"); do
  rm -f "$work"/ours/* "$work"/split/*
  divide_ours() {
    run_ours divide "$(win "$src")" "$(win "$work/ours")" 7 100 2 >>"$work/divide.ours"
    field seconds <"$work/last" >>"$work/divide.ours.inner"
  }
  divide_split() {
    local t0 t1
    t0=$(now)
    split -b 100M -d -a 5 --numeric-suffixes=1 --additional-suffix=.vtrl "$src" "$work/split/source.bin."
    t1=$(now)
    elapsed "$t0" "$t1" >>"$work/divide.split"
  }
  merge_ours() {
    rm -f "$work/ours/source.bin"
    run_ours merge "$(win "$work/ours/source.bin.00001.vtrl")" >>"$work/merge.ours"
    field seconds <"$work/last" >>"$work/merge.ours.inner"
    cmp -s "$src" "$work/ours/source.bin" || { echo "merge: joined file differs" >&2; exit 1; }
  }
  merge_dd() {
    local t0 t1
    rm -f "$work/split/joined.bin"
    t0=$(now)
    for part in "$work"/split/source.bin.*.vtrl; do
      dd if="$part" bs=64k status=none
    done >"$work/split/joined.bin"
    t1=$(now)
    elapsed "$t0" "$t1" >>"$work/merge.dd"
  }
  if (( i % 2 )); then divide_ours; divide_split; else divide_split; divide_ours; fi
  # Same parts as split's, plus the empty part after an exact multiple.
  for part in "$work"/split/source.bin.*.vtrl; do
    cmp -s "$part" "$work/ours/$(basename "$part")" || { echo "divide: $part differs" >&2; exit 1; }
  done
  if (( i % 2 )); then merge_ours; merge_dd; else merge_dd; merge_ours; fi
  run_ours idle >>"$work/idle.wall"
done
rm -f "$src" "$work"/ours/* "$work"/split/*

report() {   # label, ours file, ours inner file, reference file, reference name
  local ours inner ref
  ours=$(median <"$2"); inner=$(median <"$3"); ref=$(median <"$4")
  printf '%-7s ours %6.3f s (command alone %6.3f s)  %-5s %6.3f s  ratio %.2f (alone %.2f)\n' \
    "$1" "$ours" "$inner" "$5" "$ref" "$(echo "$ours / $ref" | bc -l)" "$(echo "$inner / $ref" | bc -l)"
}
echo "1 GiB in 100 MiB parts on $shm, medians of $pairs alternating pairs:"
report divide "$work/divide.ours" "$work/divide.ours.inner" "$work/divide.split" split
report merge "$work/merge.ours" "$work/merge.ours.inner" "$work/merge.dd" dd
printf 'start and end of the driver under Wine alone (idle): %.3f s\n' "$(median <"$work/idle.wall")"

# Memory: a sparse source of 4 GiB + 12345 bytes with marks here and there,
# parts of 1500 MiB (user-defined 1500, unit MB).
big=$work/big.bin
truncate -s $((4 * 1024 * 1024 * 1024 + 12345)) "$big"
for offset in 0 1572863999 1572864000 4294967295 4294967296 $((4 * 1024 * 1024 * 1024 + 12344)); do
  printf 'mark' | dd of="$big" bs=1 seek="$offset" conv=notrunc status=none
done
truncate -s $((4 * 1024 * 1024 * 1024 + 12345)) "$big"
mkdir -p "$work/big"
"$wine" "$bench" idle >"$work/idle" 2>/dev/null
idle=$(field peak_working_set <"$work/idle")
"$wine" "$bench" divide "$(win "$big")" "$(win "$work/big")" 7 1500 2 >"$work/bigdivide" 2>/dev/null
divide_peak=$(field peak_working_set <"$work/bigdivide")
"$wine" "$bench" merge "$(win "$work/big/big.bin.00001.vtrl")" >"$work/bigmerge" 2>/dev/null
merge_peak=$(field peak_working_set <"$work/bigmerge")
stat -c '  %s %n' "$work"/big/*
if cmp -s "$big" "$work/big/big.bin"; then same="joined file equals the source"; else same="JOINED FILE DIFFERS"; fi
echo "source of $(stat -c %s "$big") bytes (sparse), parts of 1572864000 bytes: $same"
mib() { echo "scale=2; $1 / 1048576" | bc; }
echo "peak working set: idle $(mib "$idle") MiB, divide $(mib "$divide_peak") MiB" \
  "(+$(mib $((divide_peak - idle))) MiB), merge $(mib "$merge_peak") MiB (+$(mib $((merge_peak - idle))) MiB)"
echo "  divide: $(tr -d '\r' <"$work/bigdivide")"
echo "  merge:  $(tr -d '\r' <"$work/bigmerge")"
