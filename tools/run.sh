#!/usr/bin/env bash
# Plays the demo. With no display to open a window on, renders it to a video instead.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: rendering the demo to $build/rerovuz.mp4 instead of playing it."
  start=$(date +%s)
  "$build/demo/rerovuz-capture" --out "$build/rerovuz.mp4"
  echo "Rendered in $(( $(date +%s) - start )) s: $build/rerovuz.mp4"
  exit 0
fi
exec "$build/demo/rerovuz"
