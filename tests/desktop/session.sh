# Sourced by the desktop tests: the programs a test starts in the background
# (a virtual display, a session bus, a window manager, the program), each with
# its output in a log of its own, and waits on what a test observes, each with
# a deadline, that fail at once where one of those programs has ended.
#
# The script a test runs makes a folder of its own (LUMORA_TEST_FOLDER), which
# what it starts shares. When that script fails, the last lines of every log in
# the folder are printed under the failure; whatever way it ends, what it
# started in the background is ended first and the folder removed.

# A cold first start on a busy machine takes seconds where a warm one takes
# one; a long deadline costs nothing when all is well.
deadline=60

if [ -z "${LUMORA_TEST_FOLDER:-}" ]; then
    LUMORA_TEST_FOLDER=$(mktemp -d "${TMPDIR:-/tmp}/lumora-test.XXXXXX")
    export LUMORA_TEST_FOLDER
    owns_folder=1
else
    owns_folder=""
fi
background=""  # NAME:PID of each program started here, the latest first

# start_in_background NAME COMMAND [ARGUMENT...]
start_in_background() {
    local name=$1
    shift
    "$@" >"$LUMORA_TEST_FOLDER/$name.log" 2>&1 &
    background="$name:$! $background"
}

pid_of() {
    local entry
    for entry in $background; do
        [ "${entry%:*}" != "$1" ] || { echo "${entry##*:}"; return 0; }
    done
    return 1
}

running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c 1)
    [ -n "$state" ] && [ "$state" != Z ]
}

# Forgets the program NAME, which has ended or is about to, and gives its status.
reap() {
    local pid rest="" entry
    pid=$(pid_of "$1")
    for entry in $background; do [ "$entry" = "$1:$pid" ] || rest="$rest $entry"; done
    background=$rest
    wait "$pid"
}

# finish_in_background NAME [SECONDS]: waits up to the deadline, or SECONDS, for
# the program to end by itself and gives its status; one that has not is
# ended, and gives 124.
finish_in_background() {
    local until_time=$(($(date +%s) + ${2:-$deadline}))
    while running "$(pid_of "$1")"; do
        [ "$(date +%s)" -lt "$until_time" ] || { stop_in_background "$1"; return 124; }
        sleep 0.1
    done
    reap "$1"
}

# stop_in_background NAME: asks the program to end; ends it 10 s later if it has not.
stop_in_background() {
    local pid tries=0
    pid=$(pid_of "$1") || return 0
    kill "$pid" 2>/dev/null || true
    while running "$pid" && [ $tries -lt 100 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    reap "$1" || true
}

# wait_for WHAT COMMAND [ARGUMENT...]: until COMMAND succeeds, for at most the
# deadline; says why when it gives up.
wait_for() {
    local what=$1 until_time entry status
    shift
    until_time=$(($(date +%s) + deadline))
    until "$@" >/dev/null 2>&1; do
        for entry in $background; do
            running "${entry##*:}" && continue
            status=0
            reap "${entry%:*}" || status=$?
            echo "${entry%:*} ended with status $status while waiting for $what"
            return 1
        done
        [ "$(date +%s)" -lt "$until_time" ] || { echo "gave up waiting for $what after $deadline s"; return 1; }
        sleep 0.1
    done
}

# A virtual display of the test's own, at 1280 x 800: Xvfb picks a free display
# itself and writes its number once it takes clients, so that tests started
# together never share one. An X server resets when its last client leaves,
# and drops a client that connects meanwhile: a window manager starting while
# a probe of the test's came and went was turned away, so this one never resets.
start_virtual_display() {
    exec 3>"$LUMORA_TEST_FOLDER/display"
    start_in_background xvfb Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset
    exec 3>&-
    wait_for "the virtual display" grep -q '^[0-9][0-9]*$' "$LUMORA_TEST_FOLDER/display"
    DISPLAY=:$(cat "$LUMORA_TEST_FOLDER/display")
    export DISPLAY
}

# A D-Bus session bus of the test's own; what it starts on demand (the
# accessibility bus) logs with it.
start_session_bus() {
    DBUS_SESSION_BUS_ADDRESS="unix:path=$LUMORA_TEST_FOLDER/bus"
    export DBUS_SESSION_BUS_ADDRESS
    start_in_background session-bus dbus-daemon --session --nofork --nopidfile \
        --address="$DBUS_SESSION_BUS_ADDRESS"
    wait_for "the session bus" dbus-send --session --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId
}

# The window manager named, until it manages the display.
start_window_manager() {
    # Split into its words on purpose: a command with its options.
    # shellcheck disable=SC2086
    start_in_background window-manager $1
    wait_for "the window manager ($1)" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

finish_test() {
    local test_status=$? entry log
    for entry in $background; do stop_in_background "${entry%:*}"; done
    [ -n "$owns_folder" ] || exit $test_status
    if [ $test_status -ne 0 ]; then
        for log in "$LUMORA_TEST_FOLDER"/*.log; do
            [ -s "$log" ] || continue
            echo "--- the last lines of $(basename "$log" .log)'s output:"
            tail -n 25 "$log"
        done
    fi
    rm -rf "$LUMORA_TEST_FOLDER"
    exit $test_status
}
trap finish_test EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
