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

# The server writes the display number it took once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>"$folder/server.log" &
server=$!
waited=0
until [ -s "$folder/display" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ "$waited" -ge 200 ]; then
        echo "with-window-manager: the X server did not start:" >&2
        cat "$folder/server.log" >&2
        exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
done
DISPLAY=":$(cat "$folder/display")"
export DISPLAY

HOME="$folder" openbox --sm-disable >"$folder/manager.log" 2>&1 &
manager=$!
# The manager is at work once it names itself on the root window.
waited=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    if ! kill -0 "$manager" 2>/dev/null || [ "$waited" -ge 200 ]; then
        echo "with-window-manager: openbox did not start:" >&2
        cat "$folder/manager.log" >&2
        exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
done

QT_QPA_PLATFORM=xcb "$@"
