#!/bin/sh
# Runs the start-up benchmark on a private Xvfb: the program against a Qt window that shows one
# label of text, as the About window does (the targets hold against it), and against a bare Qt
# window with no text.
# Usage: bench/run_startup_bench.sh BUILD_DIR [--runs N] [--settle-ms MS]
# BUILD_DIR must hold bin/tavrel, bin/labelled_window, bin/bare_window and bin/startup_bench.
set -eu
build=${1:?usage: $0 BUILD_DIR [--runs N] [--settle-ms MS]}
shift
bin=$build/bin
for f in tavrel labelled_window bare_window startup_bench; do
  [ -x "$bin/$f" ] || { echo "missing $bin/$f; build the targets tavrel labelled_window bare_window startup_bench" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tavrel-bench.XXXXXX")
xvfb=
trap 'if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
i=0
while [ ! -s "$work/display" ]; do
  i=$((i + 1))
  if [ "$i" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
    cat "$work/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XDG_RUNTIME_DIR=$work/runtime
export XDG_RUNTIME_DIR
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$bin/startup_bench" "$@" "$bin/tavrel" "$bin/labelled_window" "$bin/bare_window"
