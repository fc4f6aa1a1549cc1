#!/usr/bin/env bash
# Speed and memory of Slicewise's Divide and Merge engine, measured side by
# side with plain references on the same tmpfs, through the console driver
# slicebench (slicewise/core/bench):
#   divide 1 GiB into 100 MiB parts    against  GNU split -b 100M
#   merge those parts                  against  cat of the parts
# each without a checksum file, with one (SHA instructions where the
# processor has them) and with one on the portable SHA-256, and split with
# two sha256sum passes (what a careful user would run), as medians of PAIRS
# alternating rounds (default 5); then the peak working set
# of a divide and a merge of a sparse source over 4 GiB (user-defined part
# size) against the driver's idle working set, with the joined file compared
# to the source. A numbered set of the same source as another splitter
# makes it ("source.001", ..., parts of 100 MiB by GNU split, with the
# "source.crc" file beside them that names "source.bin" and holds its
# CRC-32) is merged from its part 1 against cat as well.
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
# shellcheck source=scripts/bench-lib.sh
source "$root/scripts/bench-lib.sh"


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

# Each variant of ours: a file suffix and the driver's options. "plain" is
# the set without a checksum file (as older versions made it), "sha" with it
# on the hashing path the processor offers, "portable" with it on the
# portable SHA-256.
variants=(plain sha portable)
declare -A options=([plain]="--no-checksums" [sha]="" [portable]="--portable-sha")
# The checksum files each merge must check, as the driver names them.
declare -A checks=([plain]=none [sha]=sha256 [portable]=sha256)
for v in "${variants[@]}"; do
  : >"$work/divide.$v"; : >"$work/divide.$v.inner"; : >"$work/merge.$v"; : >"$work/merge.$v.inner"
done
: >"$work/divide.split"; : >"$work/merge.cat"; : >"$work/careful"; : >"$work/idle.wall"
: >"$work/numbered.wall"; : >"$work/numbered.inner"; : >"$work/numbered.cat"

# Stops when the driver's last merge checked other files than expected: the
# time of an unchecked merge must not pass for that of a checked one.
expect_checks() {   # expected checks, label
  local got
  got=$(field checks <"$work/last")
  [ "$got" = "$1" ] || { echo "$2: checked '$got', expected '$1'" >&2; exit 1; }
}
ours() {   # variant: divide, check the parts against split's, merge, compare
  local v=$1
  rm -rf "$work/ours"; mkdir -p "$work/ours"
  # shellcheck disable=SC2086
  run_ours divide "$(win "$src")" "$(win "$work/ours")" 7 100 2 ${options[$v]} >>"$work/divide.$v"
  field seconds <"$work/last" >>"$work/divide.$v.inner"
  [ "$v" = sha ] && sha_path=$(field sha <"$work/last")
  for part in "$work"/split/source.bin.*.vtrl; do
    cmp -s "$part" "$work/ours/$(basename "$part")" || { echo "divide: $part differs" >&2; exit 1; }
  done
  # shellcheck disable=SC2086
  run_ours merge "$(win "$work/ours/source.bin.00001.vtrl")" ${options[$v]/--no-checksums/} \
    >>"$work/merge.$v"
  field seconds <"$work/last" >>"$work/merge.$v.inner"
  expect_checks "${checks[$v]}" "merge ($v)"
  cmp -s "$src" "$work/ours/source.bin" || { echo "merge ($v): joined file differs" >&2; exit 1; }
  if [ "$v" = sha ]; then   # GNU sha256sum accepts our checksum file
    (cd "$work/ours" && sha256sum --quiet -c source.bin.sha256) ||
      { echo "sha256sum -c failed" >&2; exit 1; }
  fi
}
references() {   # GNU split, cat of the parts, and split with two sha256sum passes
  local t0 t1
  rm -rf "$work/split"; mkdir -p "$work/split"
  t0=$(now)
  split -b 100M -d -a 5 --numeric-suffixes=1 --additional-suffix=.vtrl "$src" "$work/split/source.bin."
  t1=$(now)
  elapsed "$t0" "$t1" >>"$work/divide.split"
  t0=$(now)
  sha256sum "$work"/split/source.bin.*.vtrl >/dev/null
  sha256sum "$src" >/dev/null
  t1=$(now)
  echo "$(tail -n1 "$work/divide.split") + $(elapsed "$t0" "$t1")" | bc -l >>"$work/careful"
  t0=$(now)
  cat "$work"/split/source.bin.*.vtrl >"$work/joined.bin"
  t1=$(now)
  elapsed "$t0" "$t1" >>"$work/merge.cat"
  rm -f "$work/joined.bin"
}
# The numbered set, made once: 100 MiB parts by GNU split and the .crc
# (CRC-32 as gzip's trailer holds it) naming the source. The set replaces
# the source's extension, as the splitter that writes .crc files does: the
# merge reads "source.crc" beside "source.001" and joins to the name it gives.
mkdir -p "$work/numbered"
split -b 100M -d -a 3 --numeric-suffixes=1 "$src" "$work/numbered/source."
crc=$(gzip -1 -c "$src" | tail -c 8 | head -c 4 | od -An -tx4 | tr -d ' ')
printf 'filename=source.bin\r\nsize=%s\r\ncrc32=%s\r\n' "$(stat -c %s "$src")" "${crc^^}" \
  >"$work/numbered/source.crc"
numbered_ours() {   # merged from its part 1, the joined file compared
  run_ours merge "$(win "$work/numbered/source.001")" >>"$work/numbered.wall"
  field seconds <"$work/last" >>"$work/numbered.inner"
  expect_checks crc "merge (.001)"
  cmp -s "$src" "$work/numbered/source.bin" || { echo "merge (.001): joined file differs" >&2; exit 1; }
  rm -f "$work/numbered/source.bin"
}
numbered_cat() {
  local t0 t1
  t0=$(now)
  cat "$work"/numbered/source.[0-9][0-9][0-9] >"$work/joined.bin"
  t1=$(now)
  elapsed "$t0" "$t1" >>"$work/numbered.cat"
  rm -f "$work/joined.bin"
}
for i in $(seq 1 "$pairs"); do
  if (( i % 2 )); then
    references; for v in "${variants[@]}"; do ours "$v"; done
  else
    for v in "${variants[@]}"; do ours "$v"; done; references   # split's parts of the round before
  fi
  if (( i % 2 )); then numbered_ours; numbered_cat; else numbered_cat; numbered_ours; fi
  run_ours idle >>"$work/idle.wall"
done
rm -f "$src"; rm -rf "$work/ours" "$work/split" "$work/numbered"

report() {   # label, ours file, ours inner file, reference file, reference name
  local ours inner ref
  ours=$(median <"$2"); inner=$(median <"$3"); ref=$(median <"$4")
  printf '%-17s ours %6.3f s (command alone %6.3f s)  %-5s %6.3f s  ratio %.2f (alone %.2f)\n' \
    "$1" "$ours" "$inner" "$5" "$ref" "$(echo "$ours / $ref" | bc -l)" "$(echo "$inner / $ref" | bc -l)"
}
echo "1 GiB in 100 MiB parts on $shm, medians of $pairs alternating rounds (uptime: $(uptime | sed 's/.*load/load/')):"
report "divide, no sums" "$work/divide.plain" "$work/divide.plain.inner" "$work/divide.split" split
report "divide, $sha_path" "$work/divide.sha" "$work/divide.sha.inner" "$work/divide.split" split
report "divide, portable" "$work/divide.portable" "$work/divide.portable.inner" "$work/divide.split" split
printf '%-17s split + sha256sum of the parts and of the source: %6.3f s  ratio %.2f to split\n' \
  "careful user" "$(median <"$work/careful")" \
  "$(echo "$(median <"$work/careful") / $(median <"$work/divide.split")" | bc -l)"
report "merge, no sums" "$work/merge.plain" "$work/merge.plain.inner" "$work/merge.cat" cat
report "merge, verified" "$work/merge.sha" "$work/merge.sha.inner" "$work/merge.cat" cat
report "merge, portable" "$work/merge.portable" "$work/merge.portable.inner" "$work/merge.cat" cat
report "merge, .001 set" "$work/numbered.wall" "$work/numbered.inner" "$work/numbered.cat" cat
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
