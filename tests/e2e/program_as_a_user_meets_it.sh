#!/bin/bash
# Drives the built program the way a user meets it, on a private Xvfb display with real
# (XTEST) keyboard and mouse input, and reads the results back through the clipboard
# (desktop_session.sh). A sanitizer report in the program's output fails it too.
# Usage: program_as_a_user_meets_it.sh PATH_TO_TAVREL
# Exits 0 on success, 77 when a needed tool is missing (ctest reports a skip), 1 on failure.
set -u

program=${1:?usage: $0 PATH_TO_TAVREL}
. "$(dirname "$0")/desktop_session.sh"

# The About window's timer hands over 4 s after the window is built, so no sooner than 4 s
# after the start; a busy machine can bring the user's input that late. This starts the
# program, brings the About window to the front, runs the preparing function $2 and, when
# there is still a second left before the timer, the input function $3; unless that ended the
# program, the calculator must then show, and before the timer could have shown it. A machine
# too busy to tell gets five tries.
hand_over_by() {  # what prepare input
  local input_at at
  for _ in 1 2 3 4 5; do
    start_program
    step "the About window"
    about=$(find_about 15) || fail "no lone 388x202 About window within 15 s; visible: $(describe)"
    echo "  after $(since "$started") s the only visible window is the About window: $(describe)"
    focus "$about"
    "$2"
    if lt "$(since "$started")" 3; then
      step "the $1 in the About window"
      input_at=$(now)
      "$3"
      [ -n "$app_pid" ] || return 0  # the input ended the program
      calculator=$(find_calculator 2) ||
        fail "2 s after the $1 in the About window the calculator is not the only visible window: $(describe)"
      at=$(since "$started")
      echo "  $(since "$input_at") s after the $1 (at $at s from start) the only visible window is: $(describe)"
      lt "$at" 4 && return 0
    fi
    echo "  note: at $(since "$started") s from start, too late to tell the $1 from the timer; starting again"
    stop_program
  done
  fail "in five tries the machine was too busy to give the $1 before the About window's timer"
}

# ======================================================================================
scenario "scenario 1: a key press in the About window, then one calculation"
about_alone() {
  [ -z "$(xdotool getwindowname "$about")" ] ||
    echo "  note: the About window's X title is \"$(xdotool getwindowname "$about")\", not empty"
  [ "$(visible_windows | grep -c .)" = 1 ] || fail "a second window appeared beside the About window: $(describe)"
}
press_space() { xdotool key space; }
hand_over_by "key press" about_alone press_space
check_calculator_title "$calculator"

# The About window's timer still fires once at 4 s; it must not bring anything back.
step "the timer after the hand-over"
while lt "$(since "$started")" 5; do sleep 0.1; done
list=$(visible_windows)
if [ "$(printf '%s\n' "$list" | grep -c .)" != 1 ] || [ "${list%% *}" != "$calculator" ]; then
  fail "after the About window's timer the visible windows are: $(describe)"
fi
echo "  at $(since "$started") s, after the timer's time, still only: $(describe)"

# Focus only: a click on the window's background would take the focus from the first field.
focus "$calculator"
today_y=$(date +%Y) today_m=$(date +%-m) today_d=$(date +%-d)
# Across midnight the program's today is not ours; the fields are then only copied.
[ "$today_y-$today_m-$today_d" = "$start_day" ] || today_y='*' today_m='*' today_d='*'
echo "  the date of testing is filled with today ($today_y-$today_m-$today_d); the focus starts in its year:"
xdotool key ctrl+a
expect_field "test year" "$today_y"
type_into "test year" 2026
xdotool key Tab
expect_field "test month" "$today_m"
type_into "test month" 3
xdotool key Tab
expect_field "test day" "$today_d"
type_into "test day" 5
xdotool key Tab
type_into "birth year" 1990
xdotool key Tab
type_into "birth month" 5
xdotool key Tab
type_into "birth day" 20
calculate_and_expect_age
quit_with_ctrl_q "$calculator"

# ======================================================================================
scenario "scenario 2: no input; the About window's timer hands over after about 4 s"
start_program
step "the timer's hand-over"
about=$(find_about 15) || fail "no lone 388x202 About window within 15 s; visible: $(describe)"
echo "  after $(since "$started") s the only visible window is the About window: $(describe)"
calculator=$(find_calculator 12) || fail "12 s after start the calculator is not the only visible window: $(describe)"
handover=$(since "$started")
echo "  after $handover s the only visible window is: $(describe)"
check_calculator_title "$calculator"
if ! lt 3 "$handover" || ! lt "$handover" 8; then
  fail "the timed hand-over came after $handover s, expected about 4 s (3 to 8)"
fi
quit_with_ctrl_q "$calculator"

# ======================================================================================
scenario "scenario 3: a mouse click in the About window"
point_at_about() {
  # Not --sync: it waits for a motion that never comes when the pointer is already there.
  xdotool mousemove --window "$about" 40 30
  for _ in $(seq 40); do
    under=$(xdotool getmouselocation 2>/dev/null | sed -n 's/.*window:\([0-9]*\).*/\1/p')
    [ "$under" = "$about" ] && break
    sleep 0.05
  done
  [ "$under" = "$about" ] || fail "the pointer is over window \"$under\", not the About window $about"
  echo "  the pointer is over the About window: $(xdotool getmouselocation)"
}
click() { xdotool click 1; }
hand_over_by "click" point_at_about click
quit_with_ctrl_q "$calculator"

# ======================================================================================
scenario "scenario 4: Ctrl+Q while the About window is in front"
# The calculator must never show: its window is 500 pixels wide.
no_calculator() {
  ! visible_windows | awk '{ split($2, size, "x"); if (size[1] == 500) found = 1 } END { exit !found }' ||
    fail "the calculator window appeared after Ctrl+Q in the About window: $(describe)"
}
# Pressed within 3 s of the start, it must end the program before the About window's timer
# (4 s) could show the calculator.
press_ctrl_q() {
  xdotool key ctrl+q
  wait_for_end 3 "Ctrl+Q in the About window" no_calculator
  [ "$end_status" = 0 ] || fail "exit status $end_status after Ctrl+Q in the About window, expected 0"
}
hand_over_by "Ctrl+Q" : press_ctrl_q

echo "PASS"
