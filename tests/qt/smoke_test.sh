#!/usr/bin/env bash
# Starts the real window program on a virtual display, finds its window by its
# caption, checks that it carries an icon and the WM_CLASS that its desktop
# entry names, and ends it with the Quit shortcut.
#   smoke_test.sh PROGRAM DESKTOP_ENTRY
set -euo pipefail
program=$1
wm_class=$(sed -n 's/^StartupWMClass=//p' "$2")
poll_sh=$(dirname "$0")/../support/poll.sh
export program wm_class poll_sh
exec xvfb-run -a -s "-screen 0 800x600x24" bash -euo pipefail -c '
  . "$poll_sh"
  "$program" & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  window=$(timeout 20 xdotool search --sync --name "^Tovrin.s Flag to Scenario Converter$" | head -n 1)
  [ -n "$window" ] || { echo "no window"; exit 1; }
  # Not grep -q: ending before xprop has written its drawings of the icon would
  # fail the pipe with SIGPIPE.
  xprop -id "$window" _NET_WM_ICON | grep "^_NET_WM_ICON(CARDINAL) = " >/dev/null ||
    { echo "no icon"; exit 1; }
  class=$(xprop -id "$window" WM_CLASS)
  [ -n "$wm_class" ] && [[ "$class" == *", \"$wm_class\"" ]] ||
    { echo "$class, but the desktop entry has StartupWMClass=$wm_class"; exit 1; }
  xdotool windowfocus --sync "$window"
  xdotool key ctrl+q
  poll 200 sh -c "! kill -0 $pid" || { echo "the program did not end"; exit 1; }
  wait "$pid"
  echo "window found with its icon and class, and closed"
'
