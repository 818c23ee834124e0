#!/bin/bash
# Reads both windows of the built program over AT-SPI, as the Orca screen reader meets them, on a
# private Xvfb display (desktop_session.sh) with a private D-Bus session bus and accessibility
# bus. As Orca does, it tells the bus a screen reader runs, and Qt turns its bridge on for that;
# read_accessible_tree.py then finds the program among the desktop's applications, prints the
# tree it reads and checks it: the About window, then, after a key hands over, the calculator
# window. Ctrl+Q must end the program with status 0; a sanitizer report fails the run.
# Usage: screen_reader_reads_the_windows.sh PATH_TO_TAVREL
# Exits 0 on success, 77 when a needed tool is missing (ctest reports a skip), 1 on failure.
set -u

program=${1:?usage: $0 PATH_TO_TAVREL}
here=$(cd "$(dirname "$0")" && pwd)
# The system's Python, for which python3-pyatspi is installed; another python3 may come first
# on the PATH.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
if ! "$python" -c 'import pyatspi' >/dev/null 2>&1 || [ ! -x "$launcher" ]; then
  echo "SKIP: python3-pyatspi or at-spi2-core is not installed"
  exit "${missing_tool_status:-77}"
fi
session_tools="dbus-daemon dbus-send"
# shellcheck source=desktop_session.sh
. "$here/desktop_session.sh"

session_bus_pid=
launcher_pid=
stop_buses() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null && wait "$launcher_pid" 2>/dev/null
  [ -n "$session_bus_pid" ] && kill "$session_bus_pid" 2>/dev/null && wait "$session_bus_pid" 2>/dev/null
}
# The program first, which is connected to both buses; then the buses.
trap 'cleanup; stop_buses' EXIT

on_failure() {
  for log in session-bus a11y-bus; do
    [ -s "$work/$log.log" ] && { echo "--- $log output ---"; cat "$work/$log.log"; } >&2
  done
}

# Waits up to $1 seconds for the command to succeed.
poll() {  # seconds command...
  local limit=$1 start
  shift
  start=$(now)
  while lt "$(since "$start")" "$limit"; do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# --- a session bus of our own, and on it the accessibility bus ---
scenario "the buses"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
# The launcher keeps "a screen reader runs" in the desktop's settings; in memory here, or the
# user's own settings would keep it after the run.
export GSETTINGS_BACKEND=memory
dbus-daemon --session --nofork --address="unix:dir=$XDG_RUNTIME_DIR" --print-address=1 \
  >"$work/session-bus" 2>"$work/session-bus.log" &
session_bus_pid=$!
poll 10 test -s "$work/session-bus" || fail "the session bus gave no address within 10 s"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/session-bus")
export DBUS_SESSION_BUS_ADDRESS

bus_has() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
# Started here rather than on demand by the session bus, so that the script ends it.
"$launcher" --launch-immediately >"$work/a11y-bus.log" 2>&1 &
launcher_pid=$!
poll 10 bus_has org.a11y.Bus || fail "the accessibility bus launcher did not come up within 10 s"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  fail "the accessibility bus did not take the word that a screen reader runs"
echo "  session bus $DBUS_SESSION_BUS_ADDRESS; accessibility bus launcher pid $launcher_pid; a screen reader runs"

read_tree() {  # window seconds
  "$python" "$here/read_accessible_tree.py" "$app_pid" "$1" "$2" | sed 's/^/  /'
  return "${PIPESTATUS[0]}"
}

# ======================================================================================
scenario "the About window, then the calculator window, as a screen reader reads them"
# The About window hands over by itself 4 s after it is built; a machine too busy to read it
# before then gets five tries. A window that reads wrong fails the run at the end, so that the
# log shows both windows.
mismatches=()
for try in 1 2 3 4 5; do
  start_program
  step "the About window"
  read_tree about 30
  status=$?
  [ "$status" = 3 ] || break
  stop_program
  [ "$try" = 5 ] && fail "in five tries the machine was too busy to read the About window before its timer"
done
[ "$status" = 0 ] || mismatches+=("the About window")
program_running || fail "the program ended while the About window was read"

step "the hand-over"
# A real key, unless the timer has handed over already.
if about=$(find_about 1) && timeout 5 xdotool windowfocus --sync "$about" 2>/dev/null; then
  xdotool key space
  echo "  pressed Space in the About window at $(since "$started") s from start"
else
  echo "  at $(since "$started") s from start the About window is gone or takes no focus: its timer hands over"
fi
calculator=$(find_calculator 20) || fail "20 s after the About window the calculator is not the only visible window: $(describe)"
echo "  the calculator window shows: $(describe)"

step "the calculator window"
read_tree calculator 30 || mismatches+=("the calculator window")

quit_with_ctrl_q "$calculator"
step "the trees read"
[ "${#mismatches[@]}" = 0 ] ||
  fail "the tree read of $(printf '%s and ' "${mismatches[@]}" | sed 's/ and $//') does not match (above)"
echo "PASS"
