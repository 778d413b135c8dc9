#!/usr/bin/env bash
# wine_session.sh COMMAND...: runs COMMAND with a Wine desktop of its own, then removes it:
# Xvfb on a free display, a fresh Wine prefix, and a temporary HOME whose .asoundrc makes
# ALSA's default device a null one, so that Windows' audio path (WASAPI over Wine's ALSA
# driver) finds a device on a machine without sound hardware. Every Wine check of one run
# shares the prefix, creating it is the slow part, and the display: Wine's desktop process,
# started by the session's first window, lives on between programs and must not outlive the
# display it was started on.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/windows/xvfb.sh
. "$here/xvfb.sh"

session=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-wine.XXXXXX")
xvfb_pid=
cleanup() {
  WINEPREFIX=$session/prefix wineserver -k 2>/dev/null || true
  stop_xvfb "$xvfb_pid"
  rm -rf "$session"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$session/home"
printf 'pcm.!default { type null }\n' >"$session/home/.asoundrc"
export HOME=$session/home
export WINEPREFIX=$session/prefix
# Wine's own reports of a driver that could not be loaded, so that a failed window says why.
export WINEDEBUG=-all,err+winediag
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR=$session

start_xvfb xvfb_pid
export DISPLAY
wineboot --init >/dev/null 2>&1
wineserver -w
"$@"
