#!/usr/bin/env bash
# The Windows executable's "/e" mode under Wine.
#   extract.sh SPWRAP_EXE PACKAGE
set -euo pipefail
. "$(dirname "$0")/lib.sh"
exe=$1
package=$2

rm -f "$(unix_path 'C:\out.msp')"
run_wine "$exe" /e 'C:\out.msp' || fail "/e C:\\out.msp exited with $?"
cmp "$(unix_path 'C:\out.msp')" "$package" || fail "C:\\out.msp differs from the carried package"
[ "$(stat -c %s "$(unix_path 'C:\out.msp')")" -eq 6231040 ] || fail "C:\\out.msp is not 6,231,040 bytes"

# Alone, "/e" leaves the package as MSP<n> in Wine's temporary folder.
find "$WINEPREFIX/drive_c/users" -name 'MSP[0-9]*' -delete
run_wine "$exe" /E || fail "/E exited with $?"
written=$(find "$WINEPREFIX/drive_c/users" -path '*Temp*' -name 'MSP[0-9]*')
[ "$(wc -l <<<"$written")" -eq 1 ] && [ -n "$written" ] || fail "expected one MSP<n> in the temporary folder, found: $written"
cmp "$written" "$package" || fail "$written differs from the carried package"

# A later "/e" overrides an earlier one.
run_wine "$exe" /e 'C:\a.msp' /e 'C:\b.msp' || fail "/e a /e b exited with $?"
[ ! -e "$(unix_path 'C:\a.msp')" ] && cmp -s "$(unix_path 'C:\b.msp')" "$package" || fail "/e a /e b must write b only"

status=0
run_wine "$exe" /e 'C:\missing\out.msp' || status=$?
[ "$status" -eq $((1603 & 255)) ] || fail "a failed write exited with $status, not 1603's low byte"
echo PASS
