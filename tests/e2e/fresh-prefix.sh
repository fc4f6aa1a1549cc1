#!/usr/bin/env bash
# Runs a test program under Wine in a prefix of its own, made anew for the run:
#
#   fresh-prefix.sh <prefix folder> <program> [arguments]
#
# For tests that install into Program Files and write HKEY_LOCAL_MACHINE for
# real, which must not reach the shared test prefix. The display comes from
# the caller's wine session (scripts/wine-session.sh); the prefix goes into
# virtual-desktop mode as that one does. VT_LOGPIXELS gives the prefix that
# DPI (Wine reads the user's LogPixels, else the machine's; both are set).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
# winemenubuilder would put the installed shortcuts into the desktop's menus
# of the user running the tests.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine || echo /usr/lib/wine/wine)

stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
trap stop EXIT
rm -rf "$prefix"
mkdir -p "$prefix"
"$wine" wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
if [ -n "${VT_LOGPIXELS:-}" ]; then
  for key in 'HKCU\Control Panel\Desktop' \
             'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$VT_LOGPIXELS" /f >/dev/null 2>&1
  done
fi
wineserver -w
wineserver -p >/dev/null 2>&1 </dev/null
"$root/scripts/wine-run" "$@"
