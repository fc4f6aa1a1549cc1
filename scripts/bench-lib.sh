# What the benchmark scripts share (sourced, not run).
# shellcheck shell=bash

win() { echo "Z:${1//\//\\}"; }   # the Windows path of a Unix path, through drive Z:
now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc -l; }
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
field() { tr -d '\r' | sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }   # the value of NAME=value
