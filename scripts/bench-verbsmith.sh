#!/usr/bin/env bash
# How fast Verbsmith shows its filled entry list: with COUNTS verbs below
# *\shell (default 100 and 5000) in the build prefix, half of them in the
# user's half of HKEY_CLASSES_ROOT (HKCU\Software\Classes) and half in the
# machine's (HKLM\Software\Classes), the real Verbsmith.exe runs from a
# staged folder and listprobe (another process, verbsmith/bench) measures
# from its start until the window is visible with every row in the list. The
# reference is Wine's own `reg query` listing the same keys, one half after
# the other (Wine's HKCR shows only the machine's half): two runs, started
# and timed the same way, their times added. RUNS alternating runs each
# (default 5), medians. Then the search: listprobe types "vtbench4" into
# the search box of a filled window one character at a time (three times
# over) and times each keystroke until the list has filtered and painted:
# the median and the slowest, against the target of 0.050 s. The verbs are
# removed again at the end. Targets for 5000 verbs: <= 0.5 s to the filled
# list, <= 0.050 s per keystroke.
#   BASELINE=/path/to/other/Verbsmith.exe  also runs that build, in the same
#                                          alternation (before and after a change)
#   VERBOSE=1                              prints every run's figure
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build
runs=${RUNS:-5}
counts=${COUNTS:-100 5000}

[ -f "$build/build.ninja" ] || "$root/scripts/build.sh" >/dev/null
cmake --build "$build" --target Verbsmith listprobe >/dev/null
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build" own-display
wine=$(wine_bin)

work=$(mktemp -d)
imported=
# shellcheck disable=SC2317  # runs from the EXIT trap
cleanup() {
  [ -z "$imported" ] || "$wine" reg import "$(win "$work/remove.reg")" >/dev/null 2>&1 || true
  rm -rf "$work"
  _wine_session_stop
}
trap cleanup EXIT
# shellcheck source=scripts/bench-lib.sh
source "$root/scripts/bench-lib.sh"
probe() { "$wine" "$build/verbsmith/listprobe.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

app=$work/app
mkdir -p "$app"
cp "$build/verbsmith/Verbsmith.exe" "$root/verbsmith/Verbsmithtrl.ini" "$app/"
sed 's/\[----\]/[1033]/' "$root/verbsmith/config.ini" >"$app/config.ini"
exe=$(win "$app/Verbsmith.exe")
if [ -n "${BASELINE:-}" ]; then
  cp "$BASELINE" "$app/Baseline.exe"
  baseline=$(win "$app/Baseline.exe")
fi

halves=('HKEY_CURRENT_USER\Software\Classes' 'HKEY_LOCAL_MACHINE\Software\Classes')

# verbs.reg adds COUNT verbs with a command each, alternately in the user's
# and the machine's half; remove.reg takes them away.
write_reg_files() {
  local count=$1 i name
  { echo REGEDIT4; echo; } >"$work/verbs.reg"
  { echo REGEDIT4; echo; } >"$work/remove.reg"
  for i in $(seq -w 1 "$count"); do
    name="${halves[10#$i % 2]}\\*\\shell\\vtbench$i"
    printf '[%s]\n@="Bench verb %s"\n\n[%s\\command]\n@="C:\\\\windows\\\\notepad.exe \\"%%1\\""\n\n' \
      "$name" "$i" "$name" >>"$work/verbs.reg"
    printf '[-%s]\n\n' "$name" >>"$work/remove.reg"
  done
}

echo "Verbsmith, start to the shown and filled entry list, against reg query HKCU\\Software\\Classes\\* /s"
echo "and then HKLM\\Software\\Classes\\* /s; $runs runs each, medians:"
for count in $counts; do
  write_reg_files "$count"
  imported=yes
  "$wine" reg import "$(win "$work/verbs.reg")" >/dev/null 2>&1
  # A first run learns the full row count (the prefix has entries of its own).
  rows=$(probe list "$exe" 0 | field rows)
  if [ -z "$rows" ] || [ "$rows" -lt "$count" ]; then echo "bench: the list did not fill" >&2; exit 1; fi
  : >"$work/ours"; : >"$work/theirs"; : >"$work/baseline"
  ours() {
    probe list "$exe" "$rows" | field seconds >>"$work/ours" ||
      { echo "bench: a list run failed" >&2; exit 1; }
  }
  theirs() {
    local user machine
    user=$(probe run 'reg query HKCU\Software\Classes\* /s' | field seconds)
    machine=$(probe run 'reg query HKLM\Software\Classes\* /s' | field seconds)
    echo "$user + $machine" | bc -l >>"$work/theirs"
  }
  base() { [ -z "${baseline:-}" ] || probe list "$baseline" "$rows" | field seconds >>"$work/baseline"; }
  for i in $(seq 1 "$runs"); do
    if (( i % 2 )); then ours; theirs; base; else base; theirs; ours; fi
  done
  if [ -n "${VERBOSE:-}" ]; then
    for f in ours theirs baseline; do echo "  $f: $(tr '\n' ' ' <"$work/$f")"; done
  fi
  ours_s=$(median <"$work/ours")
  theirs_s=$(median <"$work/theirs")
  printf '%5d verbs (%d rows): Verbsmith %.3f s  reg query %.3f s  ratio %.2f' \
    "$count" "$rows" "$ours_s" "$theirs_s" "$(echo "$ours_s / $theirs_s" | bc -l)"
  if [ -n "${baseline:-}" ]; then
    base_s=$(median <"$work/baseline")
    printf '  baseline %.3f s  ratio %.2f' "$base_s" "$(echo "$base_s / $theirs_s" | bc -l)"
  fi
  echo
  search=$(probe search "$exe" "$rows" vtbench4) || { echo "bench: the search run failed" >&2; exit 1; }
  printf '%5s search "vtbench4" (%d rows left): per keystroke median %.4f s  slowest %.4f s  target 0.050 s\n' \
    "" "$(echo "$search" | field rows)" "$(echo "$search" | field median)" "$(echo "$search" | field max)"
  "$wine" reg import "$(win "$work/remove.reg")" >/dev/null 2>&1
  imported=
done
