#!/usr/bin/env bash
# Makes sources of random bytes and the parts GNU split cuts from them, as an
# independent reference for the part files of Divide. One folder per case:
# <case>/src.bin and <case>/src.bin.NNNNN.vtrl.
set -euo pipefail
out=$1
rm -rf "$out"
mkdir -p "$out"
# case name, source size, part size
while read -r name size part; do
  mkdir "$out/$name"
  head -c "$size" /dev/urandom >"$out/$name/src.bin"
  (cd "$out/$name" && split -b "$part" -d -a 5 --numeric-suffixes=1 \
     --additional-suffix=.vtrl src.bin src.bin.)
done <<'CASES'
below1000 1000 99
multiple1000 3000 1000
odd 5000 777
kb100 250000 102400
kb100exact 204800 102400
CASES
touch "$out/done"
