# Sourced: start_xvfb VAR starts Xvfb on a display number the server picks itself, exports
# DISPLAY and stores its pid in VAR; stop_xvfb PID ends it. A number chosen here and then
# started could be taken by another script at the same moment (two make test runs at once):
# the loser would have found the winner's server answering and used it, until its owner
# stopped it underneath.
start_xvfb() {
  local number pid
  number=$(mktemp "${TMPDIR:-/tmp}/rerovuz-xvfb.XXXXXX")
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    [ -s "$number" ] && break
    sleep 0.1
  done
  DISPLAY=:$(head -n 1 "$number")
  rm -f "$number"
  export DISPLAY
  for _ in $(seq 100); do
    if [ "$DISPLAY" != : ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
      printf -v "$1" '%s' "$pid"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start (display $DISPLAY)" >&2
  kill "$pid" 2>/dev/null
  return 1
}

stop_xvfb() {
  [ -n "${1:-}" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
  return 0
}
