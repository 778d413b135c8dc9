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
fail() { echo "FAIL: $*"; sed 's/^/    /' "$work/out" 2>/dev/null; failed=1; return 1; }
check() { "${@:2}" && ok "$1" || fail "$1"; } # check WHAT COMMAND...

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
# the keyboard follows it). A window manager only just started can drop a first map request.
press() {
    if ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; then
        [ -n "${wm:-}" ] && xdotool windowmap "$1" 2>/dev/null
        return 1
    fi
    [ -n "${wm:-}" ] && xdotool windowactivate "$1" 2>/dev/null
    xdotool windowfocus "$1" mousemove --window "$1" 20 20 key "$2" 2>/dev/null
}
# Key $2 on the window titled $1 every half second until it goes, for up to $3 s (default 20):
# a key is lost while a box opens, and while the demo loads it drops a request to quit.
answer() {
    local id
    for i in $(seq $((${3:-20} * 2))); do
        id=$(wait_window "$1" 0) || return 0
        press "$id" "$2"
        sleep 0.5
    done
    fail "\"$1\" does not go"
}
# Waits up to $1 s for the demo to end, then ends what is left of it; with $2, the run so
# ended must have ended by itself with 0.
wait_exit() {
    for i in $(seq $(($1 * 2))); do kill -0 "$demo" 2>/dev/null && sleep 0.5; done
    kill -KILL -- -"$demo" 2>/dev/null
    wait "$demo" 2>/dev/null
    status=$?
    demo=
    [ -z "${2:-}" ] || check "$2 ends with $status" [ "$status" = 0 ]
}

# Starts the demo (extra environment in the arguments) and answers "Fullscreen?" with $1. A
# start with no box (seen once) is tried once more. (A busy X server that turns the window's
# connection away now and then is the demo's own business: it tries again.)
launch() {
    for try in 1 2; do
        [ -n "${demo:-}" ] && wait_exit 0 # one left over from a failed check, with its box
        # In a process group of its own: SDL shows message boxes from a child process.
        launched=$(date +%s.%N) # the demo's counter starts about now
        setsid env SDL_VIDEODRIVER=x11 "${@:2}" "$demo_dir/rerovuz" >"$work/out" 2>&1 &
        demo=$!
        if wait_window "Decide!" >/dev/null; then
            answer "Decide!" "$1"
            return
        fi
        echo "start $try: no \"Fullscreen?\" box; the demo printed:"
        sed 's/^/    /' "$work/out"
    done
    fail "no \"Fullscreen?\" box"
}

# The demo's window: title rerovuz, client area 800 x 600, at $2 when given.
check_window() {
    window=$(wait_window rerovuz) || { fail "$1: no window titled rerovuz"; return 1; }
    read -r X Y WIDTH HEIGHT < <(xwininfo -id "$window" |
        awk '/Absolute upper-left [XY]|Width|Height/ { printf "%s ", $NF }')
    check "$1: window \"rerovuz\", client area ${WIDTH}x$HEIGHT at $X,$Y" \
        [ "${WIDTH}x$HEIGHT ${2:-$X,$Y}" = "800x600 $X,$Y" ]
}

# --- A 1024 x 768 screen, no window manager -----------------------------------------------
start_x 1024x768

# Yes: the screen has no 800 x 600 mode, so a box says so and the demo opens a window. That
# window destroyed by another client ends the run as the close button does.
if launch Return && { wait_window "Window error" 10 >/dev/null || fail "no box on 1024x768"; } &&
    answer "Window error" Return && check_window "Yes on 1024x768, after the box"; then
    sleep 1
    xdotool windowclose "$window"
    wait_exit 20 "the window destroyed from outside"
    grep -q "X Error" "$work/out" && fail "an X error was reported"
fi

# A video driver this display does not have: the window's box, then the run ends at once with
# 1, with no loading and no music (which the trace would show) for a window nobody sees.
if launch Escape SDL_VIDEODRIVER=wayland REROVUZ_TRACE=1 &&
    { wait_window Error 10 >/dev/null || fail "no \"Error\" box"; } && answer Error Return; then
    wait_exit 10
    check "no window: ends with $status at once" [ "$status" = 1 ]
    grep -q "music starts" "$work/out" && fail "the music started"
fi

# Sound through PulseAudio null sinks, each recorded from its monitor from before the demo
# plays on it, on a demo slowed to five frames a second (the show's clock then falls behind the
# music's at each scene change); Ctrl+C ends the run. The demo asks for more accumulation bits
# than any visual has: the closest format is taken.
pulse=$work/pulse
mkdir -p "$pulse/runtime"
export PULSE_SERVER="unix:$pulse/native"
start_pulse() { # SINK: a server with that one sink, and its monitor recorded into SINK.raw
    HOME=$pulse XDG_RUNTIME_DIR=$pulse/runtime pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --log-target=stderr 2>>"$work/pulse.log" \
        --load="module-null-sink sink_name=$1 rate=44100 channels=2" \
        --load="module-native-protocol-unix socket=$pulse/native auth-anonymous=1" &
    pulse_pid=$!
    servers+=($pulse_pid)
    for i in $(seq 50); do pactl info >/dev/null 2>&1 && break || sleep 0.2; done
    record "$1"
}
record() { # SINK: its monitor into SINK.raw, once sound flows
    # A short latency keeps the idle sink from sleeping for seconds between its buffers, which
    # would hold up a new stream's start by as long.
    parec -d "$1.monitor" --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 \
        >"$work/$1.raw" &
    servers+=($!)
    for i in $(seq 50); do [ -s "$work/$1.raw" ] && break || sleep 0.1; done
}
# OPENING FROM TO: whether SINK.raw holds the soundtrack where the show's clock puts it, FROM
# to TO s after the music starts, waiting while it does not reach TO yet (check_recording SINK
# OPENING FROM TO).
check_recording() {
    for i in $(seq 60); do
        "$recording_check" "$demo_dir" "$work/out" "$work/$1.raw" "$2" "$3" "$4" >"$work/check" 2>&1
        result=$?
        [ $result = 3 ] || break
        sleep 1
    done
    sed 's/^/    /' "$work/check"
    check "$1: the soundtrack from $3 to $4 s, in its place" [ $result = 0 ]
}
# Seconds after the music started at which the sound came back the Nth time, plus $2.
opened() {
    awk -v n="$1" -v plus="$2" '/^music starts at/ { m = $4 }
        /SDL audio: sound again at/ && ++k == n { printf "%.2f", $(NF - 1) - m + plus }' "$work/out"
}
# Takes the sound device away ($1: how), then, with the demo stopped, brings up sink $2 and
# starts recording it, so that the recording holds the demo's first sound on it.
replace_device() {
    eval "$1"
    sleep 1 # trying to open a device that is not there
    kill -STOP "$demo"
    if pactl info >/dev/null 2>&1; then
        pactl load-module module-null-sink sink_name="$2" rate=44100 channels=2 >/dev/null
        pactl set-default-sink "$2"
        record "$2"
    else
        start_pulse "$2"
    fi
    resumed=$(date +%s.%N)
    kill -CONT "$demo"
    for i in $(seq 20); do [ -n "$(opened "$3" 0)" ] && break || sleep 0.5; done
    back=$(awk -v n="$3" -v t="$resumed" -v s="$launched" \
        '/SDL audio: sound again at/ && ++k == n { printf "%.3f", $(NF - 1) - (t - s) }' "$work/out")
    check "sound again ${back:-never} s after a device could be had" \
        awk -v b="${back:-99}" 'BEGIN { exit !(b < 1) }'
}
start_pulse rerovuz_test
if launch Escape SDL_AUDIODRIVER=pulseaudio REROVUZ_TEST_ACCUM_BITS=64 REROVUZ_TRACE=1 \
    REROVUZ_TEST_FRAME_DELAY_MS=200 && check_window "with sound, no visual for the request"; then
    check "the closest pixel format is taken" grep -q "nearest the driver has" "$work/out"
    check_recording rerovuz_test 0 0.5 11
    # The sink unloaded and, a second later, a new one; then the server killed and started anew.
    replace_device "pactl unload-module module-null-sink" rerovuz_new 1
    check_recording rerovuz_new 1 "$(opened 1 0.5)" "$(opened 1 3.5)"
    replace_device "kill -KILL $pulse_pid" rerovuz_again 2
    check_recording rerovuz_again 2 "$(opened 2 0.5)" "$(opened 2 3.5)"
    kill -INT "$demo"
    wait_exit 10 Ctrl+C
fi
unset PULSE_SERVER
stop_servers

# --- An 800 x 600 screen under a window manager: Yes shows the demo full screen, no box -----
start_x 800x600
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
servers+=($wm)
for i in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break || sleep 0.1
done
if launch Return && check_window "Yes on 800x600" "0,0"; then
    wait_window "Window error" 0 >/dev/null && fail "a \"Window error\" box"
    xprop -id "$window" _NET_WM_STATE | grep -q FULLSCREEN || fail "the window is not full screen"
    answer rerovuz Escape 65 && wait_exit 10 "Escape in full screen"
fi
stop_servers
exit $failed
