#!/usr/bin/env bash
# wine_capture.sh WIN_DEMO_DIR HOST_BUILD: the Windows capture under Wine and the Linux
# capture render the loading picture and one moment of each scene; each pair must match.
# Then Ctrl+C must end a Windows capture cleanly. Whatever fails prints what the captures
# printed. Runs inside wine_session.sh, on its display.
#
# Both are drawn by the same Mesa llvmpipe renderer, so the only source of difference is the
# arithmetic around it: the Windows program's maths library (MinGW's sin, cos and pow against
# glibc's) may round a vertex differently in the last place, which moves a triangle edge over
# a pixel's centre now and then. Such a pixel changes colour by up to the contrast of that
# edge. So: a pixel may differ by up to 2 levels per channel (blending and lighting rounding),
# and at most 0.2% of the pixels (960 of 480,000) by more (edge pixels). A real fault, such
# as red and blue swapped, changes nearly every coloured pixel: each frame is also compared
# with its red and blue swapped, and that comparison must fail.
set -euo pipefail
win_demo=$1
host=$2
levels=2
pixels=960
# One moment in the loading picture, then one in each scene (title, sphere field, mosaic
# models, particles, credits); 10 frames a second on both sides keeps the runs short.
moments=(0.5 3 12 30 47 60)
fps=10

out=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-wine-capture.XXXXXX")
trap 'rm -rf "$out"' EXIT
printed() { # NAME LOG
  echo "$1 printed:" >&2
  tr '\r' '\n' <"$2" | sed 's/^/    /' >&2
}
trap 'echo "wine_capture.sh: line $LINENO failed" >&2
  for log in "$out"/*.log; do printed "$log" "$log"; done' ERR
at=$(IFS=,; echo "${moments[*]}")
"$host/demo/rerovuz-capture" --fps $fps --at "$at" --out "$out/linux" >"$out/linux.log" 2>&1 ||
  { printed "the Linux capture" "$out/linux.log"; exit 1; }
# The Windows capture draws into a hidden window of Wine's, titled as the demo's: seen while
# it runs, it says the capture drew where a user's demo would.
wine "$win_demo/rerovuz-capture.exe" --fps $fps --at "$at" --out "$out/windows" \
  >"$out/windows.log" 2>&1 &
capture=$!
window=
while kill -0 $capture 2>/dev/null; do
  [ -n "$window" ] || window=$(xdotool search --name '^rerovuz$' 2>/dev/null | head -n 1) || true
  sleep 0.25
done
if ! wait $capture || [ -z "$window" ]; then
  [ -n "$window" ] || echo "no window titled rerovuz while the Windows capture ran" >&2
  printed "the Windows capture" "$out/windows.log"
  exit 1
fi

status=0
for t in "${moments[@]}"; do
  name=t$(printf '%.3f' "$t").png
  "$host/tools/windows/frame_diff" "$out/linux/$name" "$out/windows/$name" $levels $pixels ||
    status=1
  if "$host/tools/windows/frame_diff" --swap-red-blue "$out/linux/$name" "$out/windows/$name" \
    $levels $pixels >/dev/null; then
    echo "$name: red and blue swapped still passes: the comparison sees nothing" >&2
    status=1
  fi
done

# Ctrl+C in the capture's console (Wine turns SIGINT into CTRL_C_EVENT) ends the run the way
# the demo's own end does, exit 0 and the summary, long before the last moment asked for. The
# frames slowed down, so that it comes during the loading fade (1 s in), whose end it waits
# for: an interrupted capture once waited forever there.
REROVUZ_TEST_FRAME_DELAY_MS=200 wine "$win_demo/rerovuz-capture.exe" --fps $fps --at 1,60 \
  --out "$out/interrupted" >"$out/interrupted.log" 2>&1 &
capture=$!
for _ in $(seq 300); do
  [ -f "$out/interrupted/t1.000.png" ] && break
  sleep 0.1
done
kill -INT $capture
for _ in $(seq 600); do
  kill -0 $capture 2>/dev/null || break
  sleep 0.1
done
if kill -0 $capture 2>/dev/null; then
  echo "the capture still runs 60 s after Ctrl+C" >&2
  kill -KILL $capture
fi
if ! wait $capture || [ -f "$out/interrupted/t60.000.png" ] ||
  ! grep -q "frames at $fps fps" "$out/interrupted.log"; then
  echo "Ctrl+C did not end the capture cleanly" >&2
  printed "the interrupted capture" "$out/interrupted.log"
  status=1
fi
if [ $status -ne 0 ]; then
  printed "the Windows capture" "$out/windows.log"
  rm -rf wine-capture-frames
  cp -r "$out" wine-capture-frames
  echo "frames kept in $PWD/wine-capture-frames" >&2
fi
exit $status
