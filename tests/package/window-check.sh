#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# usage: window-check.sh PROGRAM TITLE [SECONDS]
# Starts PROGRAM on the X server in $DISPLAY, waits until a window titled
# TITLE that belongs to it is mapped and viewable, then ends it with SIGTERM.
# Run it under xvfb-run; needs xwininfo and xprop (x11-utils).
set -eu

program=$1
title=$2
seconds=${3:-15}

log=$(mktemp)
pid=""
finish() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -f "$log"
}
trap finish EXIT
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    sed 's/^/  program: /' "$log" >&2
    exit 1
}

"$program" >"$log" 2>&1 &
pid=$!

# The window appears some time after the start; poll every 0.2 s. Qt also
# makes an unmapped 1 x 1 leader window with the same title, so every window
# of that title is looked at, not just the first.
viewable_window() {
    for id in $(xwininfo -root -tree 2>/dev/null |
        sed -n "s/^ *\(0x[0-9a-f]*\) \"$title\": .*/\1/p"); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
            echo "$id"
            return
        fi
    done
}
tries=$((seconds * 5))
window=""
while [ -z "$window" ]; do
    kill -0 "$pid" 2>/dev/null || fail "$program ended before it showed a window"
    window=$(viewable_window)
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "no viewable window \"$title\" within $seconds s"
    [ -n "$window" ] || sleep 0.2
done

# The title alone could come from another client; the window manager
# protocol records the owning process.
owner=$(xprop -id "$window" _NET_WM_PID | sed -n 's/.* = //p')
[ "$owner" = "$pid" ] || fail "window $window belongs to process '$owner', not $pid"

xwininfo -root -tree | grep "\"$title\""
xwininfo -id "$window" | grep -E 'Width|Height|Map State'

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 143 ] || [ "$status" -eq 0 ] || fail "$program did not end cleanly on SIGTERM, status $status"
pid=""
echo "window \"$title\" of process $owner was shown; the program ended on SIGTERM (status $status)"
