#!/bin/sh
# Takes the README's pictures of the two windows, docs/about.png and docs/calculator.png, from
# the built program under a private Xvfb, driven by real X input. The calculator is shown after
# one calculation, with the help paragraph that "?" shows. Run by hand after a build; needs
# xvfb, xdotool and imagemagick (for import). Usage: tools/screenshots.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build}/bin/tavrel
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrel-shots.XXXXXX")

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=:$(head -n 1 "$work/display")
unset QT_QPA_PLATFORM

"$program" &
pid=$!
about=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
sleep 0.5  # let the first paint land
import -window "$about" "$root/docs/about.png"

xdotool windowfocus --sync "$about" key space
# Both windows carry the program's name, so the calculator is the visible one that is not the About window.
calculator=
while [ -z "$calculator" ]; do
  sleep 0.1
  calculator=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$about" | head -n 1 || true)
done
xdotool windowfocus --sync "$calculator"
sleep 0.3
# Tested on 5 March 2026, born 20 May 1990.
xdotool key ctrl+a type 2026
xdotool key Tab type 3
xdotool key Tab type 5
xdotool key Tab type 1990
xdotool key Tab type 5
xdotool key Tab type 20
xdotool key Return
sleep 0.5
# Then "?" (its centre at 263, 375 in the 500 by 400 content area, under the menu bar). The
# pointer stays on the button: leaving the window or entering the title would hide the help.
height=$(xdotool getwindowgeometry "$calculator" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
xdotool mousemove --window "$calculator" 263 $((375 + height - 400)) click 1
sleep 0.5
import -window "$calculator" "$root/docs/calculator.png"

xdotool key ctrl+q
wait "$pid"
echo "wrote docs/about.png and docs/calculator.png"
