#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real program in an X server as a learner would: opens level 1, starts it and quits it,
# leaves the menu with Exit and the About screen with OK, and expects the program to end with
# status 0.
set -u
program=$1

# Xvfb picks a free display itself and writes its number to the file.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xserver=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xserver" 2>/dev/null
    wait "$xserver" 2>/dev/null
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$displayfile")"

fail() {
    echo "FAIL: $*"
    exit 1
}

# The newest visible window of the program whose title matches, once it is there.
window() {
    for _ in $(seq 200); do
        local found
        found=$(xdotool search --onlyvisible --pid "$app" --name "$1" 2>/dev/null | tail -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

press() { # press WINDOW KEY
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    sleep 0.3
    xdotool key --clearmodifiers "$2"
    sleep 0.5
}

QT_QPA_PLATFORM=xcb "$program" &
app=$!

menu=$(window '^Tessarine$') || fail "the menu did not appear"
# The program's other windows: the level screens.
levels() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -v -x "$menu"; }
# Waits up to 20 seconds for a command to succeed.
eventually() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
level_open() { [ -n "$(levels)" ]; }
level_closed() { [ -z "$(levels)" ]; }

press "$menu" alt+1
eventually level_open || fail "level 1 did not open"
level=$(levels | tail -n 1)
press "$level" alt+s
press "$level" alt+q
eventually level_closed || fail "level 1 did not close on Quit"

press "$menu" alt+x
about=$(window '^About Tessarine$') || fail "the About screen did not appear"
press "$about" alt+o

program_ended() { ! kill -0 "$app" 2>/dev/null; }
eventually program_ended || fail "the program did not end after OK"
wait "$app"
status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: the program ended with status 0 after Exit and OK"
