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
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
trap _wine_session_stop EXIT
rm -rf "$prefix"
_wine_make_prefix
[ -z "${VT_LOGPIXELS:-}" ] || wine_set_dpi "$VT_LOGPIXELS"
wineserver -w
wineserver -p >/dev/null 2>&1 </dev/null
"$root/scripts/wine-run" "$@"
