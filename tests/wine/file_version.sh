#!/usr/bin/env bash
# The Windows build's ReadFileVersion under Wine, on the same files and with
# the same expected answers as the host test; and the conversion's white space
# against the platform's classification.
#   file_version.sh VERSION_PROBE_EXE FIXTURE_FOLDER TABLE
set -euo pipefail
. "$(dirname "$0")/lib.sh"
probe=$1
fixtures=$2
table=$3

names=()
expected=()
paths=()
while read -r file version _; do
  [[ -z $file || $file == \#* ]] && continue
  if [[ $file == /* ]]; then
    [ -e "$file" ] || { echo "skipped $file: not installed"; continue; }
    path=$file
  else
    path=$fixtures/$file
  fi
  names+=("$file")
  expected+=("$version")
  paths+=("Z:${path//\//\\}")
done <"$table"
[ ${#names[@]} -gt 0 ] || fail "no rows read from $table"

output=$(run_wine "$probe" versions "${paths[@]}") || fail "the probe exited with $?"
mapfile -t answers < <(tr -d '\r' <<<"$output")
[ ${#answers[@]} -eq ${#names[@]} ] || fail "expected ${#names[@]} answers, got: ${answers[*]}"
failed=0
for i in "${!names[@]}"; do
  if [ "${answers[$i]}" = "${expected[$i]}" ]; then
    echo "ok   ${names[$i]}: ${answers[$i]}"
  else
    echo "FAIL ${names[$i]}: ${answers[$i]}, expected ${expected[$i]}"
    failed=1
  fi
done
[ $failed -eq 0 ] || fail "ReadFileVersion differs from the table"

run_wine "$probe" spaces || fail "the conversion's white space differs from C1_SPACE"
echo PASS
