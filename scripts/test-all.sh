#!/usr/bin/env bash
# Builds every build (host, win64, win32, and fuzz: the host build with clang,
# sanitizers and the fuzz targets) and runs every test, the Wine ones included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
for preset in host win64 win32 fuzz; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
echo "=== all builds passed"
