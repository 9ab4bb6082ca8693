#!/bin/sh
# Runs a command on a private X server of its own with a real window manager
# (openbox), so that window frames, placement and stacking are as a user's
# desktop has them. The offscreen platform has no frames and no stacking.
#   with-window-manager.sh COMMAND [ARGS...]
set -u

folder=$(mktemp -d) || exit 1
cleanup() {
    [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT INT TERM

# wait_for WHAT PID LOG CONDITION...: waits up to 20 s for the condition
# while the process PID lives; says what did not start otherwise.
wait_for() {
    what="$1" pid="$2" log="$3"
    shift 3
    waited=0
    until "$@"; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 200 ]; then
            echo "with-window-manager: $what did not start:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
}

# The server writes the display number it took once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>"$folder/server.log" &
server=$!
wait_for "the X server" "$server" "$folder/server.log" test -s "$folder/display"
DISPLAY=":$(cat "$folder/display")"
export DISPLAY

HOME="$folder" openbox --sm-disable >"$folder/manager.log" 2>&1 &
manager=$!
# The manager is at work once it names itself on the root window.
names_itself() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for openbox "$manager" "$folder/manager.log" names_itself

QT_QPA_PLATFORM=xcb "$@"
