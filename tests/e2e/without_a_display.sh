#!/bin/bash
# The built program started where it has no display, as from a shell on a server or after the
# X session it named has gone: it must say so in one line on standard error that names the
# display, print nothing else (no Qt plugin text, no sanitizer report), and end with status 1,
# not abort. No Xvfb here: the point is that there is none.
# Usage: without_a_display.sh PROGRAM
set -u
program=${1:?usage: $0 PROGRAM}
# Absolute: it runs from /, so that nothing is found through the working folder.
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

# A display number no server holds: the e2e sessions' Xvfb count up from 0.
unanswered=
for n in $(seq 990 999); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { unanswered=:$n; break; }
done
[ -n "$unanswered" ] || { echo "FAIL: every display from :990 to :999 seems taken"; exit 1; }

failures=0
# case name, expected line, then the environment to run in
expect() {
  local name=$1 line=$2 out err status
  shift 2
  out=$(mktemp) err=$(mktemp)
  (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
    timeout 20 "$program" >"$out" 2>"$err")
  status=$?
  echo "$name: status $status, standard error:"
  sed 's/^/  | /' "$err"
  if [ "$status" != 1 ] || [ "$(cat "$err")" != "$line" ] || [ -s "$out" ]; then
    echo "FAIL: $name: expected status 1 and exactly the line: $line"
    failures=$((failures + 1))
  fi
  rm -f "$out" "$err"
}

name=$(basename "$program")
expect "DISPLAY not set" "$name: cannot open a display: DISPLAY is not set"
expect "X11 chosen, display $unanswered not answering" "$name: cannot open display \"$unanswered\"" \
  QT_QPA_PLATFORM=xcb DISPLAY="$unanswered"
expect "no platform chosen, display $unanswered not answering" "$name: cannot open display \"$unanswered\"" \
  DISPLAY="$unanswered"

[ "$failures" = 0 ] && echo "PASS" || exit 1
