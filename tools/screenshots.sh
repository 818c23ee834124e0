#!/bin/sh
# Takes the README's pictures of the two windows, docs/about.png and docs/calculator.png, from
# the built program under a private Xvfb, driven by real X input. Run by hand after a build;
# needs xvfb, xdotool and imagemagick (for import). Usage: tools/screenshots.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build}/bin/tavrel
display=:$(( $$ % 500 + 200 ))

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM
sleep 1

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
import -window "$calculator" "$root/docs/calculator.png"

xdotool key ctrl+q
wait "$pid"
echo "wrote docs/about.png and docs/calculator.png"
