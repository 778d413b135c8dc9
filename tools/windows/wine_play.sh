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
answered=0
refused=
start=$SECONDS
while kill -0 "$demo" 2>/dev/null; do
  if [ $answered -eq 0 ] && [ -n "$(box 'Decide!')" ]; then
    xdotool key "$key"
    answered=1
    echo "answered \"Fullscreen?\" with $answer ($key) after $((SECONDS - start)) s"
  elif id=$(box 'Window error') && [ -n "$id" ] && [ "$id" != "$refused" ]; then
    echo "\"Window error\" box (full screen refused), answered with Return"
    xdotool key Return
    refused=$id
  elif [ -n "$(box Error)" ]; then
    echo "error box during the run:" >&2
    cat "$work/log" >&2
    exit 1
  fi
  if [ $((SECONDS - start)) -gt 240 ]; then
    echo "still running after 240 s" >&2
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
[ $answered -eq 1 ] || { echo "the question never showed" >&2; exit 1; }
[ $status -eq 0 ] || { cat "$work/log" >&2; exit 1; }
