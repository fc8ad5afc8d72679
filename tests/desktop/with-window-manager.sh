#!/bin/sh
# Usage: with-window-manager.sh OPENBOX COMMAND [ARGUMENT...]
# Runs the command on the X display in DISPLAY while a window manager manages it, as on a
# desktop: the window manager places, raises and activates the windows that ask for it. The
# command starts once the window manager has taken the screen (at most 20 s), and its exit
# status is the script's.
set -u
openbox=$1
shift
ready=$(mktemp -d)
"$openbox" --sm-disable --startup "touch $ready/up" &
manager=$!
trap 'kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null; rm -rf "$ready"' EXIT
tries=0
while [ ! -e "$ready/up" ]; do
    if ! kill -0 "$manager" 2>/dev/null; then
        echo "with-window-manager.sh: $openbox ended before it took the screen" >&2
        exit 1
    fi
    tries=$((tries + 1))
    if [ "$tries" -gt 400 ]; then
        echo "with-window-manager.sh: $openbox did not take the screen within 20 s" >&2
        exit 1
    fi
    sleep 0.05
done
status=0
"$@" || status=$?
exit "$status"
