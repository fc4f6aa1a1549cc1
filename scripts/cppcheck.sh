#!/usr/bin/env bash
# Static analysis of our own code (not GoogleTest); fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t sources < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build' || true)
[ ${#sources[@]} -eq 0 ] && exit 0
for width in "-DUNICODE -D_UNICODE" ""; do
  # shellcheck disable=SC2086
  cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
    --inline-suppr --suppress=missingIncludeSystem --std=c++17 --language=c++ \
    -D_WIN32 -DWIN32 $width -I . --library=windows "${sources[@]}"
done
