# Sourced by the tests that drive wine's windows, in the folder $work that the
# test made: gives wine a virtual display of its own, the helpers poll and fail,
# and those that drive the main window. Wine's programs share one server per
# prefix, and with it the display that the first of them found: the console
# programs tested before had none. So the test has a server of its own, which
# ends with it, and its folder goes then too. A killed server takes a moment to
# go, and a program started meanwhile may fail to start: each kill waits until
# it has gone.
. "$(dirname "$0")/../support/poll.sh"
wineserver -k 2>/dev/null
wineserver -w
xvfb=""
trap 'wineserver -k 2>/dev/null; wineserver -w; [ -n "$xvfb" ] && kill "$xvfb"; rm -rf "$work"' EXIT
cd "$work" || exit 1

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>display 2>/dev/null &
xvfb=$!
poll 200 test -s display || { echo "FAIL: no display"; exit 1; }
DISPLAY=:$(cat display)
export DISPLAY
# Without a window manager, wine's managed windows stall at every close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# press KEY NAME: presses KEY in the main window until a window NAME shows. Wine
# without a window manager may leave its own focus on a box just closed, where
# X's focus does not reach; a click in the window makes it wine's active one.
# So a key that went nowhere is pressed again after a click, up to three times.
press() {
    xdotool windowfocus --sync "$main"
    for _ in 1 2 3; do
        xdotool key "$1"
        poll 60 xdotool search --name "^$2\$" && return 0
        xdotool mousemove --window "$main" 200 200 click 1
    done
    fail "$1 showed no window '$2'"
}
# Gives the main window wine's focus as well as X's (see press), by a click in
# the text, which moves only the caret.
focus_main() {
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" 200 200 click 1
}
closes() { poll 400 sh -c "! xdotool search --name '^$1\$'" || fail "'$1' stays"; }
# main_window: waits for the window and for keys to reach it, which they do once
# it is shown and wine has made it active: About comes and goes (once a file
# given at start has loaded). Sets main.
main_window() {
    poll 400 xdotool search --onlyvisible --name "^Tovrin's Flag to Scenario Converter\$" || return 1
    main=$(xdotool search --onlyvisible --name "^Tovrin's Flag to Scenario Converter\$" | head -n 1)
    press alt+a About
    xdotool key Return
    closes About
    focus_main
}
