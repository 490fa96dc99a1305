#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# usage: packaging/screenshot.sh [PROGRAM]
# Takes the screenshot that the AppStream metadata links to: the main window
# with a new task, on a virtual X server.
# PROGRAM defaults to the release build. Needs xvfb, xauth, x11-utils, xdotool
# and ImageMagick's import. The task is random, so every run differs.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/release/app/tamsel2}
out=$here/screenshots/hauptfenster.png

if [ -z "${DISPLAY:-}" ] || [ "${TAMSEL_SCREENSHOT_INNER:-}" != 1 ]; then
    exec env -u QT_QPA_PLATFORM TAMSEL_SCREENSHOT_INNER=1 \
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh "$0" "$program"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 50); do
    window=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Tamsel2$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || {
    echo "no main window" >&2
    exit 1
}

# There is no window manager to give the focus; take it, then press the
# focused "Neu" with the space bar.
xdotool windowfocus --sync "$window"
xdotool key --window "$window" space
sleep 1

mkdir -p "$(dirname "$out")"
import -window "$window" -strip "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
