# Sourced by the tests that wait for a program, a window or a file: they poll
# for the state they need and never sleep a fixed time.
# poll TIMES COMMAND...: runs COMMAND until it succeeds, at most TIMES times,
# POLL_STEP seconds apart (0.05 unless set); fails when it never does.
poll() {
    times=$1
    shift
    while ! "$@" >/dev/null 2>&1; do
        times=$((times - 1))
        [ "$times" -gt 0 ] || return 1
        sleep "${POLL_STEP:-0.05}"
    done
}
