#!/usr/bin/env bash
# Makes a fresh 64-bit Wine prefix for the Wine tests.
#   make-prefix.sh PREFIX
set -euo pipefail
export WINEPREFIX=$1
rm -rf "$WINEPREFIX"
. "$(dirname "$0")/lib.sh"
wineboot --init 2>/dev/null
wineserver -w
[ -d "$WINEPREFIX/drive_c/windows" ] || fail "wineboot made no prefix"
echo PASS
