#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real program in an X server as a learner would: opens level 1, starts it and quits it,
# leaves the menu with Exit and the About screen with OK, and expects status 0.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display itself and writes its number to the file.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xserver=$!
app=
trap '[ -n "$app" ] && kill $app 2>/dev/null; kill $xserver 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$displayfile")"

# Waits up to 20 seconds for a command to succeed.
eventually() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }
# The program's visible windows, those with the title given or all, newest last.
windows() { xdotool search --onlyvisible --pid "$app" ${1:+--name "$1"} 2>/dev/null; }
press() { # press WINDOW KEY
    xdotool windowfocus --sync "$1" 2>/dev/null
    sleep 0.3
    xdotool key --clearmodifiers "$2"
    sleep 0.5
}

QT_QPA_PLATFORM=xcb "$program" &
app=$!
eventually windows '^Tessarine$' >/dev/null || fail "the menu did not appear"
menu=$(windows '^Tessarine$' | tail -n 1)
levels() { windows | grep -v -x "$menu"; }
press "$menu" alt+1
eventually levels >/dev/null || fail "level 1 did not open"
level=$(levels | tail -n 1)
press "$level" alt+s
press "$level" alt+q
eventually eval '[ -z "$(levels)" ]' || fail "level 1 did not close on Quit"
press "$menu" alt+x
eventually windows '^About Tessarine$' >/dev/null || fail "the About screen did not appear"
press "$(windows '^About Tessarine$' | tail -n 1)" alt+o

eventually eval '! kill -0 $app 2>/dev/null' || fail "the program did not end after OK"
wait "$app"
status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: the program ended with status 0 after Exit and OK"
