#!/bin/bash
# Random real input for a while, then a calculation that must still come out right.
#
# The program runs on a private Xvfb display (desktop_session.sh) and gets a stream of X input
# picked by a seeded generator: key presses (digits, letters, Tab, Return, Escape, BackSpace,
# arrows, Ctrl+A/C/V/X/Z, F-keys), clicks at random points of every visible window of the
# program (the About window, message boxes and pop-up menus included), pastes of awkward texts
# through the clipboard, and the menus: File or Edit opened and closed again, or About Tavrel
# chosen. Nothing in the stream can quit: Ctrl+Q and Alt (which takes the keyboard to the menu
# bar) are never sent, random clicks stay off the calculator's menu bar, and a menu is opened
# only by a menu action, which closes it again before the next action.
#
# It passes when the program is still running at the end, has printed no sanitizer report,
# still computes a known age from typed dates, and ends with status 0 on Ctrl+Q.
#
# Usage: random_input_soak.sh PATH_TO_TAVREL [SECONDS]
# TAVREL_SOAK_SEED=n replays the stream of a run that printed seed n (the program's timing may
# still differ). Exits 0 on success, 77 when a needed tool is missing, 1 on failure.
set -u

program=${1:?usage: $0 PATH_TO_TAVREL [SECONDS]}
seconds=${2:-60}
. "$(dirname "$0")/desktop_session.sh"

seed=${TAVREL_SOAK_SEED:-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')}
RANDOM=$seed
actions=0 keys=0 clicks=0 pastes=0 menus=0 focuses=0

summary() { echo "soak: seed $seed, $actions actions ($keys keys, $clicks clicks, $pastes pastes, $menus menu commands, $focuses focus changes) in $seconds s: $1"; }
on_failure() {
  echo "--- the last actions ---" >&2
  tail -n 25 "$work/actions" >&2
  summary "FAIL ($1)"
}

# Randomness is drawn only in this shell, never in a subshell, so the seed alone fixes it.
roll() { r=$((RANDOM % $1)); }  # r: below $1
pick() {                        # picked: one of the arguments
  roll $#
  local i=$((r + 1))
  picked=${!i}
}

key_names=(0 1 2 3 4 5 6 7 8 9 a b c d e f g h i j k l m n o p q r s t u v w x y z
  Tab ISO_Left_Tab Return KP_Enter Escape BackSpace Delete Left Right Up Down Home End
  space minus plus period comma ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z
  F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12)
hundreds_of_digits=$(printf '1234567890%.0s' $(seq 30))
paste_texts=("abc" "$hundreds_of_digits" "١٩٩٠" "１９９０" $'19\n90' "" "-" "+5" "-12" "1e3" "2e400" "1e-400"
  "12abc" " 7" "0x1A" "½")

# Reads the program's visible windows into arrays (one xdotool call for all of them); cal_*
# describe the calculator window when it is visible (cal_menu: the height of its menu bar,
# above the 500x400 content).
read_windows() {
  ids=() xs=() ys=() ws=() hs=()
  cal_id=
  local key value id x y w
  while IFS== read -r key value; do
    case $key in
      WINDOW) id=$value ;;
      X) x=$value ;;
      Y) y=$value ;;
      WIDTH) w=$value ;;
      HEIGHT)
        ids+=("$id") xs+=("$x") ys+=("$y") ws+=("$w") hs+=("$value")
        if [ "$w" = 500 ] && [ "$value" -gt 400 ] && [ "$value" -le 460 ]; then
          cal_id=$id cal_x=$x cal_y=$y cal_menu=$((value - 400))
        fi
        ;;
    esac
  # The pattern "." ends the search's arguments; every window of the program has a class name.
  done < <(xdotool search --onlyvisible --pid "$app_pid" . getwindowgeometry --shell %@ 2>/dev/null)
}

log_action() {
  actions=$((actions + 1))
  printf '%d %s\n' "$actions" "$*" >>"$work/actions"
}

# One to four keys, as a burst of typing; each counts as an action.
press_random_keys() {
  local burst=() k
  roll 4
  for ((k = r; k >= 0; k--)); do
    pick "${key_names[@]}"
    burst+=("$picked")
    log_action "key $picked"
  done
  xdotool key --delay 20 "${burst[@]}"
  keys=$((keys + ${#burst[@]}))
}

click_random_point() {
  read_windows
  [ ${#ids[@]} -gt 0 ] || return
  roll ${#ids[@]}
  local i=$r top=0
  [ "${ids[$i]}" = "$cal_id" ] && top=$cal_menu
  roll "${ws[$i]}"
  local x=$r
  roll $((hs[i] - top))
  local y=$((r + top)) button=1
  roll 10
  [ $r = 0 ] && button=3
  # Whatever the window, a point on the calculator's menu bar could open the File menu.
  if [ -n "$cal_id" ]; then
    local sx=$((xs[i] + x)) sy=$((ys[i] + y))
    if [ $sx -ge "$cal_x" ] && [ $sx -lt $((cal_x + 500)) ] && [ $sy -ge "$cal_y" ] && [ $sy -lt $((cal_y + cal_menu)) ]; then
      return
    fi
  fi
  log_action "click $button at $x,$y of ${ws[$i]}x${hs[$i]} window ${ids[$i]}"
  xdotool mousemove --window "${ids[$i]}" "$x" "$y" click "$button" 2>/dev/null
  clicks=$((clicks + 1))
}

paste_random_text() {
  pick "${paste_texts[@]}"
  log_action "paste $(printf '%q' "$picked" | cut -c1-40)"
  printf '%s' "$picked" | xclip -selection clipboard -i 2>/dev/null
  xdotool key ctrl+v
  pastes=$((pastes + 1))
}

focus_random_window() {
  read_windows
  [ ${#ids[@]} -gt 0 ] || return
  pick "${ids[@]}"
  log_action "focus window $picked"
  # A pop-up menu refuses the focus; that is an X error and no harm.
  xdotool windowfocus "$picked" 2>/dev/null
  focuses=$((focuses + 1))
}

# The pop-up that hangs from the calculator's menu bar, as "id x" (x from the window's left).
menu_popup() {
  read_windows
  local i
  for i in "${!ids[@]}"; do
    if [ "${ids[$i]}" != "$cal_id" ] && [ "${ys[$i]}" = $((cal_y + cal_menu)) ]; then
      echo "${ids[$i]} $((xs[i] - cal_x))"
      return
    fi
  done
}

# Opens File or Edit by a click on its title, then chooses About Tavrel or closes the menu.
# Escape alone would leave the menu bar holding the keyboard, where a later Return could open
# File and choose Quit; a click in the test-year field takes the keyboard back.
use_menu() {
  read_windows
  [ -n "$cal_id" ] || return
  local title=File x=20 about=0
  roll 3
  if [ $r -gt 0 ]; then
    title=Edit x=60
    roll 2
    about=$r
  fi
  log_action "menu $title$([ $about = 1 ] && echo ', About Tavrel')"
  xdotool mousemove --window "$cal_id" $x $((cal_menu / 2)) click 1
  menus=$((menus + 1))
  local popup= _
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    popup=$(menu_popup)
    [ -n "$popup" ] && break
    sleep 0.05
  done
  [ -n "$popup" ] || return  # a message box holds the window, or the click was taken elsewhere
  # Keys go only to the Edit menu, known by where it hangs (File's hangs at the far left).
  if [ $about = 1 ] && [ "${popup#* }" -gt 25 ]; then
    xdotool key Up Return
  else
    xdotool key Escape
    sleep 0.1
    xdotool mousemove --window "$cal_id" 240 $((cal_menu + 202)) click 1
  fi
}

one_random_action() {
  roll 100
  if [ $r -lt 45 ]; then
    press_random_keys
  elif [ $r -lt 72 ]; then
    click_random_point
  elif [ $r -lt 85 ]; then
    paste_random_text
  elif [ $r -lt 92 ]; then
    focus_random_window
  else
    use_menu
  fi
  roll 6
  sleep "0.0$((r + 2))"
}

# Closes pop-ups and message boxes with Escape and hands over from the About window, until
# the calculator window is the only one.
settle() {
  local _ others about_id
  for _ in $(seq 40); do
    read_windows
    others=() about_id=
    local i
    for i in "${!ids[@]}"; do
      if [ "${ids[$i]}" = "$cal_id" ]; then continue; fi
      if [ "${ws[$i]}x${hs[$i]}" = 388x202 ]; then about_id=${ids[$i]}; else others+=("${ids[$i]}"); fi
    done
    if [ ${#others[@]} -gt 0 ]; then
      xdotool windowfocus "${others[0]}" 2>/dev/null
      xdotool key Escape
    elif [ -n "$about_id" ] && [ -z "$cal_id" ]; then
      xdotool windowfocus "$about_id" 2>/dev/null
      xdotool key space
    elif [ -n "$about_id" ]; then
      xdotool windowfocus "$cal_id" 2>/dev/null
    elif [ -n "$cal_id" ]; then
      return 0
    fi
    sleep 0.3
  done
  return 1
}

# ======================================================================================
scenario "random input for $seconds s, seed $seed (TAVREL_SOAK_SEED=$seed replays it)"
start_program
step "the About window"
find_about 15 >/dev/null || fail "no lone 388x202 About window within 15 s; visible: $(describe)"
step "random input"
SECONDS=0
while [ $SECONDS -lt "$seconds" ]; do
  one_random_action
  program_running || fail "the program ended during the random input"
done
echo "  $actions actions sent; the program is still running"
expect_no_sanitizer_report

scenario "the calculator must still compute a known age"
step "back to the lone calculator window"
settle || fail "could not get back to the lone calculator window; visible: $(describe)"
calculator=$cal_id
check_calculator_title "$calculator"
focus "$calculator"
# Clear empties the fields and puts the focus in the test-year field, refilled with today.
step "Clear"
xdotool mousemove --window "$calculator" 441 $((cal_menu + 375)) click 1
sleep 0.3
xdotool key ctrl+a
type_into "test year" 2026
# Each field's text is selected before typing, as a user replacing it does: a field that takes
# the focus back with its window (after the stream's last message box or menu) keeps its
# cursor instead of selecting its text, and a third digit would be refused.
for field in "test month:3" "test day:5" "birth year:1990" "birth month:5" "birth day:20"; do
  xdotool key Tab ctrl+a
  type_into "${field%:*}" "${field#*:}"
done
calculate_and_expect_age
quit_with_ctrl_q "$calculator"
summary PASS
