#!/usr/bin/env bash
# The demo as a user meets it on a real desktop: an X server (Xvfb) with SDL's x11 driver, keys
# pressed with xdotool, a sound server (PulseAudio, null sink) whose monitor is recorded, each
# started here on a display or socket of its own.   test_desktop.sh DEMO_DIR RECORDING_CHECK
set -u
demo_dir=$1
recording_check=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-desktop.XXXXXX")
servers=()
failed=0
export SDL_AUDIODRIVER=dummy # silent but for the recorded run

stop_servers() {
    [ ${#servers[@]} = 0 ] || { kill "${servers[@]}"; wait "${servers[@]}"; } 2>/dev/null
    servers=()
}
trap '[ -n "${demo:-}" ] && kill -KILL -- -"$demo" 2>/dev/null; stop_servers; rm -rf "$work"' EXIT
ok() { echo "ok: $*"; }
fail() {
    echo "FAIL: $*"
    sed 's/^/    /' "$work/out" 2>/dev/null
    failed=1
    return 1
}
check() { # check WHAT COMMAND...: ok or fail as the command succeeds or not
    "${@:2}" && ok "$1" || fail "$1"
}

# An X server of the given size on a display number it picks itself.
start_x() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>>"$work/xvfb.log" &
    servers+=($!)
    for i in $(seq 100); do [ -s "$work/display" ] && break || sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    [ "$DISPLAY" != ":" ] || { cat "$work/xvfb.log"; exit 1; }
}

# The id of the first window (at any depth) titled exactly $1, looked for up to $2 seconds
# (default 30; 0: once) while the demo runs. Four looks a second: a busy server is slow to answer.
wait_window() {
    for i in $(seq 0 $((${2:-30} * 4))); do
        xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" 'index($0, name) { print $1 }' |
            head -n1 | grep . && return 0
        kill -0 "$demo" 2>/dev/null || return 1
        [ "$i" = 0 ] || sleep 0.25
    done
    return 1
}
# Key $2 on window $1 once it is shown, focused and under the pointer (without a window manager
# the keyboard follows the pointer). A window manager that has only just started can drop the
# first map request it gets (openbox on a busy machine): ask again on the box's behalf.
press() {
    if ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; then
        [ -n "${wm:-}" ] && xdotool windowmap "$1" 2>/dev/null
        return 1
    fi
    [ -n "${wm:-}" ] && xdotool windowactivate "$1" 2>/dev/null
    xdotool windowfocus "$1" mousemove --window "$1" 20 20 key "$2" 2>/dev/null
}
# Answers the box titled $1 with key $2 every half second until it goes (a key pressed while
# the box is still being put up is lost).
answer() {
    local box
    for i in $(seq 40); do
        box=$(wait_window "$1" 0) || return 0
        press "$box" "$2"
        sleep 0.5
    done
    fail "the box \"$1\" does not go"
}
# Waits up to $1 s for the demo to end, doing the rest of the arguments every half second.
wait_exit() {
    for i in $(seq $(($1 * 2))); do
        kill -0 "$demo" 2>/dev/null || break
        "${@:2}"
        sleep 0.5
    done
    kill -KILL -- -"$demo" 2>/dev/null
    wait "$demo" 2>/dev/null
    status=$?
    demo=
}
expect_status() { check "$1 ends with $status" [ "$status" = 0 ]; }

# Starts the demo (extra environment in the arguments) and answers "Fullscreen?" with $1. A
# start with no box (seen once) or turned away by a busy X server is tried once more.
launch() {
    for try in 1 2; do
        [ -n "${demo:-}" ] && wait_exit 0 # one left over from a failed check, with its box
        # In a process group of its own: SDL shows message boxes from a child process.
        setsid env "${@:2}" SDL_VIDEODRIVER=x11 "$demo_dir/rerovuz" >"$work/out" 2>&1 &
        demo=$!
        if wait_window "Decide!" >/dev/null; then
            answer "Decide!" "$1" || return 1
            sleep 1
            grep -q "x11 not available" "$work/out" || return 0
        fi
        echo "start $try: no \"Fullscreen?\" box or turned away; the demo printed:"
        sed 's/^/    /' "$work/out"
    done
    fail "no \"Fullscreen?\" box"
}

# The demo's window: title rerovuz, client area 800 x 600, at $2 when given.
check_window() {
    window=$(wait_window rerovuz) || { fail "$1: no window titled rerovuz"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH and HEIGHT
    check "$1: window \"rerovuz\", client area ${WIDTH}x$HEIGHT at $X,$Y" \
        [ "${WIDTH}x$HEIGHT ${2:-$X,$Y}" = "800x600 $X,$Y" ]
}

# Key $1 until the demo ends (while it loads, a request to quit is dropped by design).
quit_with() { wait_exit 65 press "$window" "$1" && expect_status "$2"; }

# --- A 1024 x 768 screen, no window manager -----------------------------------------------
start_x 1024x768

# Yes: the screen has no 800 x 600 mode, so a box says so and the demo opens a window.
if launch Return; then
    wait_window "Window error" 10 >/dev/null || fail "Yes on 1024x768: no \"Window error\" box"
    answer "Window error" Return && check_window "after the box" && quit_with Escape Escape
fi

# More accumulation bits than any visual has: the closest format is taken. The window then
# destroyed by another client ends the run as the close button does.
if launch Escape REROVUZ_TEST_ACCUM_BITS=64 && check_window "no visual for the request"; then
    check "the closest pixel format is taken" grep -q "nearest the driver has" "$work/out"
    sleep 1
    xdotool windowclose "$window"
    wait_exit 20
    expect_status "the window destroyed from outside"
    grep -q "X Error" "$work/out" && fail "an X error was reported"
fi

# Sound through a PulseAudio null sink, recorded from its monitor from before the demo starts
# into the sphere field; Ctrl+C then ends the run.
pulse=$work/pulse
mkdir -p "$pulse/runtime"
export PULSE_SERVER="unix:$pulse/native"
HOME=$pulse XDG_RUNTIME_DIR=$pulse/runtime pulseaudio --daemonize=no --exit-idle-time=-1 \
    --system=false -n --use-pid-file=no --log-target=stderr \
    --load="module-null-sink sink_name=rerovuz_test rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$pulse/native auth-anonymous=1" \
    2>"$work/pulse.log" &
servers+=($!)
for i in $(seq 50); do pactl info >/dev/null 2>&1 && break || sleep 0.2; done
parec -d rerovuz_test.monitor --raw --format=s16le --rate=44100 --channels=2 >"$work/rec.raw" &
servers+=($!)
if launch Escape SDL_AUDIODRIVER=pulseaudio && check_window "with sound"; then
    # Until the recording holds the stretch checked: 5 to 11 s after the music starts.
    for i in $(seq 60); do
        "$recording_check" "$work/rec.raw" "$demo_dir" 5 11 0.25 >"$work/check" 2>&1
        result=$?
        [ $result = 3 ] || break
        sleep 1
    done
    kill -INT "$demo"
    wait_exit 10
    expect_status "Ctrl+C"
    sed 's/^/    /' "$work/check"
    check "the sphere field's stretch is the soundtrack, in its place" [ $result = 0 ]
fi
unset PULSE_SERVER
stop_servers

# --- An 800 x 600 screen under a window manager --------------------------------------------
start_x 800x600
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
servers+=($wm)
for i in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break || sleep 0.1
done
# Yes: full screen with no box; the window manager's close (its Alt+F4) ends the run.
if launch Return && check_window "Yes on 800x600" "0,0"; then
    wait_window "Window error" 0 >/dev/null && fail "a \"Window error\" box"
    xprop -id "$window" _NET_WM_STATE | grep -q FULLSCREEN || fail "the window is not full screen"
    quit_with alt+F4 "the close button in full screen"
fi
stop_servers
exit $failed
