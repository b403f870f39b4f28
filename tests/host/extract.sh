#!/usr/bin/env bash
# The host executable's "/e" mode as a user runs it: an exact copy, and exit
# values that tell success from failure.
#   extract.sh SPWRAP PACKAGE
set -euo pipefail
spwrap=$1
package=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

"$spwrap" /e out.msp || fail "/e out.msp exited with $?"
cmp out.msp "$package" || fail "out.msp differs from the carried package"

TMP=$work "$spwrap" /E || fail "/E exited with $?"
cmp "$work/MSP2" "$package" || fail "/E did not write MSP2 in TMP"

status=0
"$spwrap" /e missing/out.msp || status=$?
[ "$status" -eq $((1603 & 255)) ] || fail "a failed write exited with $status, not 1603's low byte"
echo PASS
