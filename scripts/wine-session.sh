# Sourced by the scripts that run programs under Wine. wine_session_start BUILD
# [own-display] prepares the build-local prefix (once), a display and one
# persistent wineserver; an EXIT trap stops what it started. The display is a
# private Xvfb when there is none, or always with "own-display" (the tests:
# their windows never appear on a user's screen). VT_SCREEN sets the size of
# the private display and of the prefix's virtual desktop (default 1280x1024).

wine_bin() { command -v wine || echo /usr/lib/wine/wine; }

_wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${_vt_xvfb_pid:-}" ]; then
    kill "$_vt_xvfb_pid" >/dev/null 2>&1 || true
    wait "$_vt_xvfb_pid" 2>/dev/null || true
  fi
}

_wine_start_xvfb() {
  local fifo dir
  dir=$(mktemp -d)
  fifo="$dir/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${VT_SCREEN:-1280x1024}x24" -nolisten tcp \
    3>"$fifo" >/dev/null 2>&1 &
  _vt_xvfb_pid=$!
  local num
  if ! read -r -t 20 num <"$fifo"; then
    echo "wine-session: Xvfb did not start" >&2
    rm -rf "$dir"
    return 1
  fi
  rm -rf "$dir"
  export DISPLAY=":$num"
}

# The prefix is made once per build folder; virtual-desktop mode goes in before
# the first window (without a window manager Wine stalls ~2 s on every hide).
_wine_make_prefix() {
  local wine; wine=$(wine_bin)
  [ -f "$WINEPREFIX/.vt-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}" "$wine" wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${VT_SCREEN:-1280x1024}" \
    /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vt-ready"
}

# The prefix's DPI. Wine takes it from the user's LogPixels, else from the
# machine's; a running wineserver and desktop keep the one they started with.
wine_set_dpi() {
  local wine key; wine=$(wine_bin)
  for key in 'HKCU\Control Panel\Desktop' \
             'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
}

# Wine draws the caption buttons with Marlett, which it does not find in its
# data folder here: without it the close box shows a letter "r".
_wine_install_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  for font in /usr/share/wine/fonts/marlett.ttf; do
    [ -f "$font" ] && [ ! -f "$fonts/${font##*/}" ] && cp "$font" "$fonts/"
  done
  return 0
}

wine_session_start() {
  local build mode=${2:-}
  build=$(mkdir -p "$1" && cd "$1" && pwd)
  export WINEPREFIX="$build/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  trap _wine_session_stop EXIT
  if [ "$mode" = own-display ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    _wine_start_xvfb
  fi
  _wine_make_prefix
  _wine_install_fonts
  wineserver -p >/dev/null 2>&1 </dev/null
}
