#!/usr/bin/env bash
# Checks a Windows executable: a GUI program that imports only DLLs that
# Windows itself ships, so it runs on a bare machine.
#   check-imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1
exe=$2

headers=$("$objdump" -p "$exe")
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "$exe imports:"
echo "$dlls"
[ -n "$dlls" ] || { echo "FAIL: no import table found"; exit 1; }

allowed='^(kernel32|user32|advapi32|shell32|msi|version|msvcrt)\.dll$'
foreign=$(tr 'A-Z' 'a-z' <<<"$dlls" | grep -Ev "$allowed" || true)
if [ -n "$foreign" ]; then
  echo "FAIL: imports DLLs that are not Windows' own: $foreign"
  exit 1
fi
if ! grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers"; then
  echo "FAIL: not a GUI-subsystem executable"
  exit 1
fi
echo "PASS"
