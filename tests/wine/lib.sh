# Shared by the Wine tests: a quiet Wine in the prefix that WINEPREFIX names.
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEPREFIX
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

fail() { echo "FAIL: $*"; exit 1; }

# Runs a Windows program and waits until Wine has finished with the prefix.
run_wine() {
  local status=0
  wine "$@" || status=$?
  wineserver -w
  return "$status"
}

# The prefix's path for a Windows path such as C:\out.msp.
unix_path() {
  local path=${1#[Cc]:}
  echo "$WINEPREFIX/drive_c${path//\\//}"
}
