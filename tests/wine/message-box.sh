#!/usr/bin/env bash
# Real message boxes under Wine and Xvfb: a French failure message and a
# Japanese success message, each shown by the Windows build, read off the
# screen (caption with xdotool, text from Wine's msgbox trace), dismissed with
# a key press, and compared with what the host build shows for the same call.
#   message-box.sh WINDOWS_PROBE HOST_PROBE
set -euo pipefail
. "$(dirname "$0")/lib.sh"
windows_probe=$1
host_probe=$2
[ -x "$host_probe" ] || fail "the host build's probe $host_probe is missing; build the host preset first"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Our own X server, on a display nobody else holds.
display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 1 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done

# Field FIELD of the one JSON object in file FILE, as UTF-8.
json_field() {
  perl -CS -MJSON::PP -0777 -ne 'print JSON::PP->new->utf8->decode($_)->{'"$1"'}' "$2"
}

# The text of the first box in a +msgbox trace: L"..." with Wine's escapes.
traced_text() {
  perl -CS -ne 'if (/MSGBOX_OnInit L"(.*)"\s*$/) {
      my $t = $1;
      $t =~ s/\\(?:x?([0-9a-fA-F]{4})|(.))/defined $1 ? chr(hex $1) : ($2 eq "n" ? "\n" : $2 eq "t" ? "\t" : $2 eq "r" ? "\r" : $2)/ge;
      print $t; exit }' "$1"
}

# check LANGUAGE ID LAST_ERROR PRODUCT_NAME
check() {
  local expected_log="$work/expected.json" trace="$work/trace.txt"
  rm -f "$expected_log"
  SPWRAP_MESSAGE_LOG=$expected_log "$host_probe" "$@" 2>/dev/null || fail "host probe failed for $*"
  local caption text
  caption=$(json_field caption "$expected_log")
  text=$(json_field text "$expected_log")

  WINEDEBUG=+msgbox wine "$windows_probe" "$@" 2>"$trace" &
  local probe_pid=$! window=
  for _ in $(seq 1 120); do
    window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || { kill "$probe_pid" 2>/dev/null; fail "no box captioned '$caption' appeared for $*"; }
  [ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption differs for $*"
  [ "$(traced_text "$trace")" = "$text" ] || fail "text differs for $*: got '$(traced_text "$trace")', expected '$text'"

  xdotool key --window "$window" Return 2>/dev/null
  local status=0
  wait "$probe_pid" || status=$?
  [ "$status" -eq 0 ] || fail "probe exited with $status for $*"
  echo "shown and dismissed: [$caption] $text"
}

check 1036 300 1603
check 1041 301 0 "Veldrin Pro"
wineserver -w
echo PASS
