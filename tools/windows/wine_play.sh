#!/usr/bin/env bash
# wine_play.sh ZIP Yes|No: unpacks the zip into a folder with a space in its name, starts
# rerovuz.exe under Wine from another folder, answers "Fullscreen?" with a key press (Return
# is Yes, Escape is No), and expects the demo to play to its end and exit with 0. Sound goes
# through WASAPI, so the demo runs on the real audio clock. A "Window error" box (full screen
# refused by this X server) is answered and the run goes on in a window; any other box fails.
# Runs inside wine_session.sh, on an X display of its own so that its keys reach its boxes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/windows/xvfb.sh
. "$here/xvfb.sh"
zip=$1
answer=$2
[ "$answer" = Yes ] && key=Return || key=Escape

work=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-play.XXXXXX")
xvfb_pid=
demo=
cleanup() {
  [ -n "$demo" ] && kill "$demo" 2>/dev/null
  stop_xvfb "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/unpacked demo" "$work/elsewhere"
unzip -q "$zip" -d "$work/unpacked demo"
start_xvfb xvfb_pid
cd "$work/elsewhere"
SDL_AUDIODRIVER=wasapi wine "$work/unpacked demo/rerovuz-win64/rerovuz.exe" >"$work/log" 2>&1 &
demo=$!

box() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
# A key pressed before Wine has given the box the focus is lost: press again while the same
# box stays up, but never after it has gone (Escape would reach the demo and end it).
press() {
  xdotool windowfocus "$1" 2>/dev/null || true
  xdotool key --clearmodifiers "$2"
}
answered=
refused=
pressed=0
start=$SECONDS
while kill -0 "$demo" 2>/dev/null; do
  if id=$(box 'Decide!') && [ -n "$id" ]; then
    if [ -z "$answered" ] || [ $((SECONDS - pressed)) -ge 3 ]; then
      press "$id" "$key"
      pressed=$SECONDS
      [ -z "$answered" ] && echo "answered \"Fullscreen?\" with $answer ($key) after $((SECONDS - start)) s"
      answered=$SECONDS
    fi
  elif id=$(box 'Window error') && [ -n "$id" ]; then
    if [ "$id" != "$refused" ] || [ $((SECONDS - pressed)) -ge 3 ]; then
      [ "$id" != "$refused" ] && echo "\"Window error\" box (full screen refused), answered with Return"
      press "$id" Return
      pressed=$SECONDS
      refused=$id
    fi
  elif [ -n "$(box Error)" ]; then
    echo "error box during the run:" >&2
    cat "$work/log" >&2
    exit 1
  fi
  if [ $((SECONDS - start)) -gt 240 ]; then
    echo "still running after 240 s; windows:" >&2
    xdotool search --name . getwindowname %@ 2>/dev/null | sort -u >&2
    cat "$work/log" >&2
    exit 1
  fi
  sleep 0.5
done
set +e
wait "$demo"
status=$?
set -e
demo=
echo "rerovuz.exe exited with $status after $((SECONDS - start)) s"
[ -n "$answered" ] || { echo "the question never showed" >&2; exit 1; }
[ $status -eq 0 ] || { cat "$work/log" >&2; exit 1; }
# The soundtrack runs 70 s after loading: a shorter run ended early (a stray Escape, say).
played=$((SECONDS - answered))
[ $played -ge 65 ] || { echo "ended $played s after the answer, before the music" >&2; exit 1; }
