# shellcheck shell=dash
# Sourced by the desktop tests. What a test starts in the background (a virtual
# display, a session bus, a window manager, the program) writes to a log of its
# own in the test's folder, LUMORA_TEST_FOLDER, which what the test starts
# shares. Each wait is on something observed, with a deadline, and fails at
# once where one of those programs has ended. When the test ends, what it
# started is ended too; when it fails, the last lines of every log are printed.

# A cold first start on a busy machine takes seconds where a warm one takes one.
deadline=60
# An X client gives up after 10 s: a window manager stuck while it holds the
# server would hold every client, and the test, past its deadlines.
for client in xprop xwininfo xdotool; do eval "$client() { timeout 10 $client \"\$@\"; }"; done
if [ -z "${LUMORA_TEST_FOLDER:-}" ]; then
    LUMORA_TEST_FOLDER=$(mktemp -d "${TMPDIR:-/tmp}/lumora-test.XXXXXX")
    export LUMORA_TEST_FOLDER
    owns_folder=1
fi
background=""  # NAME:PID of each program started here

# start_in_background NAME COMMAND [ARGUMENT...]
start_in_background() {
    local name=$1
    shift
    "$@" >"$LUMORA_TEST_FOLDER/$name.log" 2>&1 &
    background="$name:$! $background"  # the latest first, to be ended first
}

pid_of() { echo " $background" | sed -n "s/.* $1:\([0-9]*\).*/\1/p"; }
running() { [ -e "/proc/$1/stat" ] && ! grep -q ') Z ' "/proc/$1/stat"; }

# finish_in_background NAME: waits for the program to end and gives its status;
# one that might not end by itself runs under timeout.
finish_in_background() {
    local pid
    pid=$(pid_of "$1")
    background=$(echo " $background" | sed "s/ $1:$pid//")
    wait "$pid" 2>/dev/null
}

# stop_in_background NAME: asks the program to end, and ends one that has not
# within 10 s.
stop_in_background() {
    local pid
    pid=$(pid_of "$1")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do running "$pid" || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    finish_in_background "$1" || true
}

# wait_for WHAT COMMAND [ARGUMENT...]: until COMMAND succeeds, or says why not:
# status 1 where the deadline passed, 2 where a program started here ended.
wait_for() {
    local what=$1 until_time entry status=0
    shift
    until_time=$(($(date +%s) + deadline))
    until "$@" >/dev/null 2>&1; do
        for entry in $background; do
            running "${entry##*:}" && continue
            finish_in_background "${entry%:*}" || status=$?
            echo "${entry%:*} ended with status $status while waiting for $what"
            return 2
        done
        [ "$(date +%s)" -lt "$until_time" ] || { echo "gave up waiting for $what after $deadline s"; return 1; }
        sleep 0.1
    done
}

# A display of the test's own: Xvfb picks a free one itself and writes its
# number once it takes clients, so that tests run together never share one.
# It never resets: an X server that resets as its last client leaves drops a
# client connecting meanwhile, such as a window manager while a probe came and went.
start_virtual_display() {
    start_in_background xvfb Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
        3>"$LUMORA_TEST_FOLDER/display"
    wait_for "the virtual display" grep -q '^[0-9][0-9]*$' "$LUMORA_TEST_FOLDER/display"
    DISPLAY=":$(cat "$LUMORA_TEST_FOLDER/display")"
    export DISPLAY
}

# What the session bus starts on demand, the accessibility bus, logs with it.
start_session_bus() {
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$LUMORA_TEST_FOLDER/bus"
    start_in_background session-bus dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
    wait_for "the session bus" dbus-send --session --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId
}

# describe_window WINDOW (an X id): where the window stopped on a new window's
# way (mapped, framed, focused), and the X facts that tell it.
describe_window() {
    local window map_state wm_state extents focus verdict="framed and focused"
    window=$(printf '0x%x' "$(($1))")
    map_state=$(xwininfo -id "$window" 2>/dev/null | sed -n 's/^ *Map State: //p')
    [ -n "$map_state" ] || { echo "window $window: no such window"; return 0; }
    wm_state=$(xprop -id "$window" WM_STATE | tr -s '\n\t ' ' ')
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS)
    focus=$(printf '0x%x' "$(xdotool getwindowfocus 2>/dev/null || echo 0)")
    if ! echo "$wm_state" | grep -q Normal || ! echo "$extents" | grep -q ' = '; then
        verdict="mapped, but never framed: the window manager does not manage it"
        [ "$map_state" != IsUnMapped ] || verdict="never mapped"
    elif [ "$focus" != "$window" ]; then
        verdict="framed, but not focused"
    fi
    echo "window $window: $verdict"
    echo "  map state $map_state; parent $(xwininfo -children -id "$window" | sed -n 's/^ *Parent window id: //p'); $wm_state"
    echo "  $extents; input focus $focus; $(xprop -root _NET_ACTIVE_WINDOW)"
}
framed_and_focused() { describe_window "$1" | grep -q ': framed and focused$'; }

# activate_window WINDOW: makes WINDOW the one keys go to. Each time the window
# manager has not framed and focused it, the window's state is told, and it is
# asked for again: of the window manager, or by a new map request it sees.
activate_window() {
    local full_deadline=$deadline status description
    for deadline in 2 4 8 16 30; do
        status=0
        wait_for "window $1 to be framed and focused" framed_and_focused "$1" || status=$?
        [ $status -ne 0 ] || break
        description=$(describe_window "$1")
        echo "$description"
        [ $status -eq 1 ] && [ "$deadline" -lt 30 ] || break
        echo "activate_window: asking again"
        case $description in
            *": framed, but not focused"*) xdotool windowactivate "$1" ;;
            *) xdotool windowunmap --sync "$1" windowmap "$1" ;;
        esac
    done
    deadline=$full_deadline
    return $status
}

# start_window_manager "COMMAND [OPTION...]": ready once it frames and focuses a
# window of the session's own; its mark on the root window comes while it may
# still leave a new window unmapped, or take the focus away from it.
start_window_manager() {
    # shellcheck disable=SC2086 # a command with its options
    start_in_background window-manager $1
    wait_for "the window manager ($1)" eval "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
    # Its id as xev prints it (mutter 48's frames client names its frame as the
    # window), a line at a time: into a file, xev's output waits for an event.
    start_in_background probe stdbuf -oL xev -name lumora-probe -event focus
    wait_for "a window of the session's own" grep -q '^Outer window is' "$LUMORA_TEST_FOLDER/probe.log"
    activate_window "$(sed -n 's/^Outer window is \(0x[0-9a-f]*\),.*/\1/p' "$LUMORA_TEST_FOLDER/probe.log")" \
        >"$LUMORA_TEST_FOLDER/window-manager-ready.log"
    stop_in_background probe
}

# The program's window, once it shows; searched anew each time, as a search
# fails outright when another window vanishes under it.
lumora_window() { xdotool search --onlyvisible --class lumora | head -n 1 | grep .; }

end_test() {
    local status=$? entry log
    for entry in $background; do stop_in_background "${entry%:*}"; done
    [ -n "${owns_folder:-}" ] || exit $status
    for log in "$LUMORA_TEST_FOLDER"/*.log; do
        if [ $status -eq 0 ] || [ ! -s "$log" ]; then continue; fi
        echo "--- the last lines of $(basename "$log" .log)'s output:"
        tail -n 25 "$log"
    done
    rm -rf "$LUMORA_TEST_FOLDER"
    exit $status
}
trap end_test EXIT
trap 'exit 143' HUP INT TERM
