# Sourced by the tests that drive wine's windows, in the folder $work that the
# test made: gives wine a virtual display of its own, and the helpers poll and
# fail. Wine's programs share one server per prefix, and with it the display
# that the first of them found: the console programs tested before had none. So
# the test has a server of its own, which ends with it, and its folder goes then
# too. A killed server takes a moment to go, and a program started meanwhile may
# fail to start: each kill waits until it has gone.
wineserver -k 2>/dev/null
wineserver -w
xvfb=""
trap 'wineserver -k 2>/dev/null; wineserver -w; [ -n "$xvfb" ] && kill "$xvfb"; rm -rf "$work"' EXIT
cd "$work" || exit 1

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>display 2>/dev/null &
xvfb=$!
# poll TIMES COMMAND...: runs COMMAND every 50 ms until it succeeds.
poll() {
    times=$1
    shift
    while ! "$@" >/dev/null 2>&1; do
        times=$((times - 1))
        [ "$times" -gt 0 ] || return 1
        sleep 0.05
    done
}
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
