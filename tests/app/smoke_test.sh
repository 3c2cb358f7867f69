#!/usr/bin/env bash
# Starts the real window program on a virtual display, finds its window by its
# caption, and ends it with the Quit shortcut.
set -euo pipefail
program=$1
export program
exec xvfb-run -a -s "-screen 0 800x600x24" bash -euo pipefail -c '
  "$program" & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  window=$(timeout 20 xdotool search --sync --name "^Tovrin.s Flag to Scenario Converter$" | head -n 1)
  [ -n "$window" ] || { echo "no window"; exit 1; }
  xdotool windowfocus --sync "$window"
  xdotool key ctrl+q
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "window found and closed"; exit 0; }
    sleep 0.1
  done
  echo "the program did not end"; exit 1
'
