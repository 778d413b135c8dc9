#!/usr/bin/env bash
# Where the music is when the scenes change, on a busy machine: plays the whole demo RUNS times
# on an X server and a PulseAudio null sink of its own, with HOGS busy loops (default 2) beside
# it, records the sink and prints, for each run, how far the music stood from the show's clock
# just after each scene change and near the end, and how late the pictures ended against the
# music's own time. A measurement, not a test: it never fails.
#   measure_sync.sh DEMO_DIR RECORDING_CHECK RUNS [HOGS]
set -u
demo_dir=$1
recording_check=$2
runs=${3:-10}
hogs=${4:-2}
work=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-sync.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=tools/windows/xvfb.sh
. "$(dirname "$0")/../../tools/windows/xvfb.sh"
start_xvfb xvfb || exit 1
pids+=("$xvfb")
mkdir -p "$work/pulse/runtime"
export PULSE_SERVER="unix:$work/pulse/native"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse/runtime pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --log-target=stderr 2>/dev/null \
    --load="module-null-sink sink_name=sync rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" &
pids+=($!)
for i in $(seq 50); do pactl info >/dev/null 2>&1 && break || sleep 0.2; done
for i in $(seq "$hogs"); do
    sh -c 'while :; do :; done' &
    pids+=($!)
done

printf '%-4s %9s %9s %9s %9s %9s %9s\n' run "3 s" "18 s" "38 s" "52 s" "68.5 s" "pics late"
for run in $(seq "$runs"); do
    parec -d sync.monitor --raw --format=s16le --rate=44100 --channels=2 >"$work/rec.raw" &
    rec=$!
    REROVUZ_TRACE=1 SDL_AUDIODRIVER=pulseaudio SDL_VIDEODRIVER=x11 \
        "$demo_dir/rerovuz" >"$work/out" 2>&1 &
    demo=$!
    # "Fullscreen?": No, once the box has the keyboard. A run that cannot make its window (an
    # older build goes on behind a box nobody answers) is ended after a minute with no music,
    # or the show's length and a minute, and its row left empty.
    for i in $(seq 120); do
        kill -0 $demo 2>/dev/null && ! grep -q "music starts" "$work/out" || break
        id=$(xwininfo -root -tree 2>/dev/null | awk '/"Decide!":/ { print $1; exit }')
        [ -n "$id" ] && xdotool windowfocus "$id" mousemove --window "$id" 20 20 key Escape 2>/dev/null
        sleep 0.5
    done
    for i in $(seq 260); do
        kill -0 $demo 2>/dev/null && grep -q "music starts" "$work/out" && sleep 0.5 || break
    done
    pkill -KILL -P $demo 2>/dev/null; kill -KILL $demo 2>/dev/null
    wait $demo
    sleep 1
    kill $rec
    wait $rec 2>/dev/null
    # After each change (up to 2.5 s late) and near the end, looked for up to 2.5 s either way.
    for window in "2.9 5.4" "17.9 20.4" "37.9 40.4" "51.9 54.4" "68.5 69"; do
        "$recording_check" "$demo_dir" "$work/out" "$work/rec.raw" 0 $window 2.5
    done >"$work/check"
    # ms from the show's clock just after each change (scenes 1 to 4), at 68.5 s into the show,
    # and the pictures' end against the music's 70 s.
    awk -v run="$run" '
        function ms(line) { match(line, /[-+][0-9]+ ms/); return substr(line, RSTART, RLENGTH - 3) }
        /^music starts at/ && !m { m = $4 }
        /^scene change at/ { change[++n] = ms($0) }
        /s: soundtrack at/ && late == "" && $1 + 0 >= 68.5 { late = ms($0) }
        /^scene 5 \(end\) starts at/ { end = $6 - m - 70 }
        END { printf "%-4s %9s %9s %9s %9s %9s %+9.0f\n", run, change[1], change[2], change[3],
                     change[4], late, end * 1000 }' "$work/check" "$work/out"
done
