#!/usr/bin/env bash
# wine_play.sh ZIP Yes|No: unpacks the zip into a folder with a space in its name, starts
# rerovuz.exe under Wine from another folder, answers "Fullscreen?" with a key press (Return
# is Yes, Escape is No), and expects the demo's window, then the demo to play to its end and
# exit with 0. Sound goes through WASAPI, so the demo runs on the real audio clock. A "Window
# error" box (full screen refused by this X server) is answered and the run goes on in a
# window; any other box fails. Whatever fails prints what the demo printed.
#
# Runs inside wine_session.sh, on its display: every Wine program of a session draws where
# the session's desktop process lives. A Wine desktop process started on a display that is
# gone by then holds no driver, and every window of that session fails after it ("Couldn't
# create window"), so no check brings a display of its own. The session runs one Wine check
# at a time, so the keys reach this demo's boxes.
set -euo pipefail
zip=$1
answer=$2
[ "$answer" = Yes ] && key=Return || key=Escape
xdotool getdisplaygeometry >/dev/null 2>&1 || {
  echo "no X display answers at DISPLAY=${DISPLAY:-} (run inside wine_session.sh)" >&2
  exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-play.XXXXXX")
demo=
cleanup() {
  [ -n "$demo" ] && kill "$demo" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "$*" >&2
  echo "rerovuz.exe printed:" >&2
  sed 's/^/    /' "$work/log" >&2 2>/dev/null
  exit 1
}

trap 'fail "wine_play.sh: line $LINENO failed"' ERR
mkdir "$work/unpacked demo" "$work/elsewhere"
unzip -q "$zip" -d "$work/unpacked demo"
cd "$work/elsewhere"
SDL_AUDIODRIVER=wasapi wine "$work/unpacked demo/rerovuz-win64/rerovuz.exe" >"$work/log" 2>&1 &
demo=$!

# The first window shown with this exact title (the demo's own is made hidden first).
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# A key pressed before Wine has given the box the focus is lost: press again while the same
# box stays up, but never after it has gone (Escape would reach the demo and end it).
press() {
  xdotool windowfocus "$1" 2>/dev/null || true
  xdotool key --clearmodifiers "$2"
}
answered=
refused=
shown=
pressed=0
start=$SECONDS
while kill -0 "$demo" 2>/dev/null; do
  if id=$(window 'Decide!') && [ -n "$id" ]; then
    if [ -z "$answered" ] || [ $((SECONDS - pressed)) -ge 3 ]; then
      press "$id" "$key"
      pressed=$SECONDS
      [ -z "$answered" ] && echo "answered \"Fullscreen?\" with $answer ($key) after $((SECONDS - start)) s"
      answered=$SECONDS
    fi
  elif id=$(window 'Window error') && [ -n "$id" ]; then
    if [ "$id" != "$refused" ] || [ $((SECONDS - pressed)) -ge 3 ]; then
      [ "$id" != "$refused" ] && echo "\"Window error\" box (full screen refused), answered with Return"
      press "$id" Return
      pressed=$SECONDS
      refused=$id
    fi
  elif [ -n "$(window Error)" ]; then
    fail "error box during the run"
  elif [ -z "$shown" ] && [ -n "$answered" ] && [ -n "$(window rerovuz)" ]; then
    shown=$SECONDS
    echo "window \"rerovuz\" after $((SECONDS - start)) s"
  fi
  if [ $((SECONDS - start)) -gt 240 ]; then
    fail "still running after 240 s; windows: $(xdotool search --name . getwindowname %@ 2>/dev/null |
      sort -u | tr '\n' ';')"
  fi
  sleep 0.5
done
status=0
wait "$demo" || status=$?
demo=
echo "rerovuz.exe exited with $status after $((SECONDS - start)) s"
[ -n "$answered" ] || fail "the question never showed"
[ -n "$shown" ] || fail "no window titled rerovuz"
[ $status -eq 0 ] || fail "rerovuz.exe exited with $status"
# The soundtrack runs 70 s after loading: a shorter run ended early (a stray Escape, say).
played=$((SECONDS - answered))
[ $played -ge 65 ] || fail "ended $played s after the answer, before the music"
