# Sourced by the end-to-end scripts: a private Xvfb display, the program started on it, and
# what a user does there with real (XTEST) keyboard and mouse input, reading results back
# through the clipboard. The sourcing script sets `program` before it starts the program; it
# may name further tools it needs in `session_tools`. Sourcing checks the tools (exit 77 when
# one is missing, which ctest reports as a skip; `missing_tool_status` may say otherwise), makes
# a work folder and starts the display; whatever was started is ended when the script exits.

for tool in Xvfb xdotool xclip awk ${session_tools:-}; do
  command -v "$tool" >/dev/null 2>&1 || {
    [ "${missing_tool_status:-77}" = 77 ] && echo "SKIP: $tool is not installed" || echo "FAIL: $tool is not installed"
    exit "${missing_tool_status:-77}"
  }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavrel-e2e.XXXXXX")
xvfb_pid=
app_pid=

cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Where the run is, for a failure to name: set by scenario, and by step within one.
scenario_name="setting up"
step_name=""
scenario() {
  scenario_name=$*
  step_name=""
  echo "$*"
}
step() { step_name=$*; }

# A sourcing script may define on_failure to add its own lines; it gets the message.
fail() {
  echo "FAIL in ${scenario_name}${step_name:+, step \"$step_name\"}: $*" >&2
  if [ -s "$work/app.log" ]; then
    echo "--- program output ---" >&2
    cat "$work/app.log" >&2
  fi
  if [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "--- Xvfb has ended; its output ---" >&2
    cat "$work/xvfb.log" >&2
  fi
  declare -F on_failure >/dev/null && on_failure "$*"
  exit 1
}

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
# float comparison: lt A B is true when A < B
lt() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# --- a display of our own: Xvfb picks a free number and writes it once it accepts clients ---
# A display is ours once a client of our own has talked to it: on a busy machine a server that
# gave its number has now and then refused the program's connection, so the session makes sure
# first, and starts another server when the first does not answer.
start_display() {
  : >"$work/display"
  exec {display_fd}>"$work/display"
  Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec {display_fd}>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb gave no display number within 10 s"
  DISPLAY=:$(head -n 1 "$work/display")
  export DISPLAY
  timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1
}
for attempt in 1 2 3; do
  start_display && break
  echo "display $DISPLAY (Xvfb pid $xvfb_pid) does not answer; another one" >&2
  kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ "$attempt" = 3 ] && fail "no Xvfb display answered in three tries"
done
echo "display $DISPLAY (Xvfb pid $xvfb_pid)"

# The offscreen platform other tests use has no windows to drive.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# --- helpers over the program's windows ---

# Visible top-levels of the running program, one "id WIDTHxHEIGHT name" line each.
visible_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    local geometry
    geometry=$(xdotool getwindowgeometry "$w" 2>/dev/null | awk '/Geometry:/ { print $2 }')
    echo "$w $geometry $(xdotool getwindowname "$w" 2>/dev/null)"
  done
}

describe() { visible_windows | tr '\n' ';' | sed 's/;$//; s/;/; /g'; }

# Waits up to $1 seconds until the only visible window is $2 pixels wide and $3 to $4 tall;
# prints its id.
wait_for_only_window() {
  local limit=$1 width=$2 min_height=$3 max_height=$4 start
  start=$(now)
  while lt "$(since "$start")" "$limit"; do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended early; windows were: $(describe)"
    local list
    list=$(visible_windows)
    if [ "$(printf '%s\n' "$list" | grep -c .)" = 1 ]; then
      local id size
      read -r id size _ <<<"$list"
      local w=${size%x*} h=${size#*x}
      if [ "$w" = "$width" ] && [ "$h" -ge "$min_height" ] && [ "$h" -le "$max_height" ]; then
        echo "$id"
        return 0
      fi
    fi
    sleep 0.05
  done
  return 1
}

# From the root folder, so that nothing the program reads is found through the working folder.
start_program() {
  [ -x "$program" ] || fail "$program is not an executable"
  # Absolute, as the folder changes below.
  program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
  (cd / && exec "$program") >"$work/app.log" 2>&1 &
  app_pid=$!
  started=$(now)
  start_day=$(date +%Y-%-m-%-d)
}

# About window: 388x202. Calculator window: a 500x400 content area plus a menu bar.
find_about() { wait_for_only_window "$1" 388 202 202; }
find_calculator() { wait_for_only_window "$1" 500 400 460; }

check_calculator_title() {
  local name
  name=$(xdotool getwindowname "$1")
  echo "  calculator window $1 is titled \"$name\""
  [ "$name" = "Tavrel" ] || fail "the calculator window is titled \"$name\", not \"Tavrel\""
}

# Gives the window the keyboard focus; without a window manager nobody else does. --sync
# waits for the focus to arrive, which it may never do: hence the time limit.
focus() {
  timeout 5 xdotool windowfocus --sync "$1" || fail "window $1 did not take the keyboard focus within 5 s"
  sleep 0.2
}

# Copies the focused field's text with Ctrl+C and prints what the clipboard then holds.
copy_field() {
  # A sentinel owner first, so a copy that did not happen cannot pass for a stale value. xclip
  # stays in the background until another client takes the clipboard, so its output must not
  # be the pipe of the $(...) this runs in: the caller would wait for it for ever when the
  # focused widget copies nothing.
  printf '%s' '<nothing copied>' | xclip -selection clipboard -i >/dev/null 2>&1
  xdotool key ctrl+c
  local text='<nothing copied>'
  for _ in $(seq 40); do
    text=$(timeout 2 xclip -o -selection clipboard 2>/dev/null)
    [ "$text" != '<nothing copied>' ] && break
    sleep 0.05
  done
  printf '%s' "$text"
}

expect_field() {  # label expected
  local text
  step "$1"
  text=$(copy_field)
  echo "  $1: copied \"$text\" (expected \"$2\")"
  # shellcheck disable=SC2053  # "*" matches any text
  [[ "$text" == $2 ]] || fail "$1 reads \"$text\", expected \"$2\""
}

# Types into the focused field and reads it back: a field that did not get the focus, or
# refused the text, fails here at once, by name.
type_into() {  # label text
  step "$1"
  xdotool type --delay 30 "$2"
  xdotool key ctrl+a
  expect_field "$1" "$2"
}

# Whether the program is still there: not gone, and not a zombie waiting to be reaped. Read
# without a subprocess: the random-input soak asks after every action.
program_running() {
  local stat
  read -r stat 2>/dev/null <"/proc/$app_pid/stat" || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

# A sanitizer report fails the run even where the exit status would not show it: a report
# from another thread, options that keep the status, a process ended before its leak check.
expect_no_sanitizer_report() {
  if grep -qE '(ERROR|WARNING|SUMMARY): [A-Za-z]*Sanitizer|runtime error:' "$work/app.log"; then
    fail "the program printed a sanitizer report"
  fi
}

# Waits up to $1 seconds for the program to end; gives its exit status, or fails, also when it
# printed a sanitizer report on its way out.
wait_for_end() {  # seconds what [function run while waiting]
  local t0
  t0=$(now)
  # Polled rather than a background watchdog: a subshell would inherit the EXIT trap.
  while lt "$(since "$t0")" "$1" && program_running; do
    [ -z "${3:-}" ] || "$3"
    sleep 0.05
  done
  program_running && fail "the program did not end within $1 s of $2"
  wait "$app_pid"
  end_status=$?
  app_pid=
  echo "  $2: the program ended after $(since "$t0") s with status $end_status"
  expect_no_sanitizer_report
}

# Ends the program at once, for a scenario that starts again.
stop_program() {
  kill -KILL "$app_pid" 2>/dev/null
  wait "$app_pid" 2>/dev/null
  app_pid=
}

# With the test date 2026-3-5 and the birth date 1990-5-20 typed and the focus in the birth-day
# field: Return calculates without a message box, and Tab walks through the three results.
calculate_and_expect_age() {
  echo "  typed test date 2026-3-5 and birth date 1990-5-20, pressing Return"
  step "Return"
  xdotool key Return
  sleep 0.5
  [ "$(visible_windows | grep -c .)" = 1 ] || fail "after Return the visible windows are: $(describe) (a message box?)"
  xdotool key Tab
  expect_field "age years" 35
  xdotool key Tab
  expect_field "age months" 9
  xdotool key Tab
  expect_field "age days" 15
}

# Ctrl+Q in the calculator window must end the process with status 0 within 10 s.
quit_with_ctrl_q() {
  step "Ctrl+Q"
  focus "$1"
  xdotool key ctrl+q
  wait_for_end 10 "Ctrl+Q"
  [ "$end_status" = 0 ] || fail "exit status $end_status after Ctrl+Q, expected 0"
}
