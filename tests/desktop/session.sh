# shellcheck shell=dash
# Sourced by the desktop tests. What a test starts in the background (a virtual
# display, a session bus, a window manager, the program) writes to a log of its
# own in the test's folder, LUMORA_TEST_FOLDER, which what the test starts
# shares. Each wait is on something observed, with a deadline, and fails at
# once where one of those programs has ended. When the test ends, what it
# started is ended too; when it fails, the last lines of every log are printed.

# A cold first start on a busy machine takes seconds where a warm one takes one.
deadline=60
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

stop_in_background() {
    kill "$(pid_of "$1")" 2>/dev/null || true
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

# describe_window WINDOW: what the X server and the window manager say of X
# window WINDOW (its id in decimal or 0x hexadecimal), for a wait on it that
# failed: where it stopped on a new window's way (mapped, framed by the window
# manager, focused), then what that is told from.
describe_window() {
    local window info map_state wm_state focus verdict
    window=$(printf '0x%x' "$(($1))")
    if ! info=$(xwininfo -id "$window" 2>&1); then
        echo "window $window: no such window"
        return 0
    fi
    map_state=$(echo "$info" | sed -n 's/^ *Map State: //p')
    wm_state=$(xprop -id "$window" WM_STATE | tr -s '\n\t ' ' ')
    focus=$(printf '0x%x' "$(xdotool getwindowfocus 2>/dev/null || echo 0)")
    if [ "$map_state" = IsUnMapped ] && ! echo "$wm_state" | grep -q Normal; then
        verdict="never mapped"
    elif ! echo "$wm_state" | grep -q Normal; then
        verdict="mapped, but never framed: the window manager does not manage it"
    elif [ "$focus" != "$window" ]; then
        verdict="framed, but not focused"
    else
        verdict="framed and focused"
    fi
    echo "window $window: $verdict"
    echo "  map state $map_state; parent $(xwininfo -children -id "$window" | sed -n 's/^ *Parent window id: //p')"
    echo "  $wm_state"
    echo "  $(xprop -id "$window" _NET_FRAME_EXTENTS)"
    echo "  input focus $focus; $(xprop -root _NET_ACTIVE_WINDOW)"
}

# framed_and_focused WINDOW: the window manager manages WINDOW and gave it the keys.
framed_and_focused() {
    xprop -id "$1" WM_STATE | grep -q Normal && xprop -id "$1" _NET_FRAME_EXTENTS | grep -q ' = ' &&
        [ "$(xdotool getwindowfocus)" = "$(($1))" ]
}

# activate_window WINDOW: makes WINDOW the one keys go to, for a test that
# types. The window manager is given a few seconds to frame and focus it, as it
# does each new window; where it has not, the window's state is told, and the
# test asks again each few seconds until the deadline: the window manager to
# activate it where it frames it, to map it where it is still unmapped, and
# else the X server to give it the focus.
activate_window() {
    local full_deadline=$deadline tries=$((deadline / 5)) status
    deadline=5
    while :; do
        status=0
        wait_for "window $1 to be framed and focused" framed_and_focused "$1" || status=$?
        [ $status -ne 0 ] || break
        describe_window "$1"
        tries=$((tries - 1))
        [ $status -eq 1 ] && [ $tries -gt 0 ] || { deadline=$full_deadline; return 1; }
        echo "activate_window: asking again"
        if xprop -id "$1" WM_STATE | grep -q Normal; then
            xdotool windowactivate "$1"
        elif xwininfo -id "$1" | grep -q IsUnMapped; then
            xdotool windowmap "$1"
        else
            xdotool windowfocus "$1"
        fi
    done
    deadline=$full_deadline
}

probe_is_managed() { probe=$(xdotool search --name '^lumora-probe$' | head -n 1) && framed_and_focused "$probe"; }

# start_window_manager "COMMAND [OPTION...]": ready once it frames and focuses a
# new window of the session's own. Its mark on the root window comes earlier,
# while it is still starting up, and may leave a window mapped then unmapped,
# or take the focus away from it as it ends: so a new window each time, given
# longer each time, as a cold machine may be slow to frame one.
start_window_manager() {
    local full_deadline=$deadline waited=0 status
    # shellcheck disable=SC2086 # a command with its options
    start_in_background window-manager $1
    deadline=0 probe=""
    while :; do
        deadline=$((deadline + 2)) status=0
        start_in_background probe xev -name lumora-probe -event focus
        wait_for "the window manager ($1) to frame and focus a new window" probe_is_managed || status=$?
        [ $status -ne 0 ] || break
        [ -z "$probe" ] || describe_window "$probe"
        stop_in_background probe
        waited=$((waited + deadline))
        [ $status -eq 1 ] && [ $waited -lt "$full_deadline" ] || return 1
        echo "start_window_manager: asking again, with a new window"
    done
    stop_in_background probe
    deadline=$full_deadline
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
