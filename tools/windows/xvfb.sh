# Sourced: start_xvfb VAR starts Xvfb on the first free display at or above :90, exports
# DISPLAY and stores its pid in VAR; stop_xvfb PID ends it.
start_xvfb() {
  local n=90 pid
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
    n=$((n + 1))
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pid=$!
  DISPLAY=:$n
  export DISPLAY
  for _ in $(seq 100); do
    if xdotool getdisplaygeometry >/dev/null 2>&1; then
      printf -v "$1" '%s' "$pid"
      return 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      # Another process took the display between the check and the start: next one.
      start_xvfb "$1"
      return
    fi
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

stop_xvfb() {
  [ -n "${1:-}" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
  return 0
}
