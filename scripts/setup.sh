#!/usr/bin/env bash
# Installs what building and testing the suite needs, and only what is missing.
# Idempotent and quiet; needs root (or sudo) on Debian.
set -euo pipefail

packages=(g++-mingw-w64-i686 wine wine32:i386 xvfb cmake ninja-build googletest
          fonts-wine fonts-liberation imagemagick cppcheck x11-utils nsis zip fp-utils
          p7zip-full)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
if ! { $sudo apt-get update -qq && \
       $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "setup: installing failed" >&2
  exit 1
fi
rm -f "$log"
