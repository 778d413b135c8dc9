#!/usr/bin/env bash
# tools/soak.sh [RUNS] [CHECK...]: runs each real-desktop, PulseAudio and Wine check RUNS times
# (default 20) with two CPU hogs beside it, each run timed, then prints a table (check, runs,
# failures, min/median/max seconds) and the output of every failed run (every run's is kept).
# Not part of `make test`: a check that fails now and then fails here, and its output says why.
#
# The checks: desktop (tests/desktop/test_desktop.sh, its PulseAudio part included, through the
# Linux build's ctest) and wine_capture, wine_play_No, wine_play_Yes (the Windows build's, in a
# fresh Wine session per round, one after another as `make test` runs them). Builds both first.
# `tools/soak.sh --report FOLDER` prints the table of a soak stopped before its end.
set -uo pipefail
self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$self")/.."
if [ "${1:-}" = --wine-round ]; then
  # Inside tools/windows/wine_session.sh: one run of each Wine check asked for.
  results=$2
  shift 2
  for check in "$@"; do
    log=$results/$check.$(date +%s%N).log
    start=$(date +%s.%N)
    ctest --test-dir build-win -R "^$check\$" -V >"$log" 2>&1
    status=$?
    end=$(date +%s.%N)
    echo "$check $status $(echo "$end - $start" | bc) $log" >>"$results/runs"
  done
  exit 0
fi

# The table and the failures' output from a results folder.
report() {
  local results=$1 checks
  read -r -a checks <<<"$(awk '{ print $1 }' "$results/runs" | awk '!seen[$0]++' | tr '\n' ' ')"
  echo
  printf '%-14s %5s %9s %8s %8s %8s\n' check runs failures min median max
  for check in "${checks[@]}"; do
    awk -v c="$check" '$1 == c { print $3 }' "$results/runs" | sort -n >"$results/times"
    n=$(wc -l <"$results/times")
    failed=$(awk -v c="$check" '$1 == c && $2 != 0' "$results/runs" | wc -l)
    if [ "$n" -gt 0 ]; then
      min=$(head -n 1 "$results/times")
      max=$(tail -n 1 "$results/times")
      median=$(awk '{ t[NR] = $1 }
        END { print NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }' "$results/times")
      printf '%-14s %5d %9d %8.1f %8.1f %8.1f\n' "$check" "$n" "$failed" "$min" "$median" "$max"
    else
      printf '%-14s %5d %9d %8s %8s %8s\n' "$check" 0 0 - - -
    fi
  done
  awk '$2 != 0 { print $1, $4 }' "$results/runs" | while read -r check log; do
    echo
    echo "=== $check failed: $log"
    cat "$log"
  done
  # A passing desktop run whose demo was started twice hides a start that failed.
  awk '$1 == "desktop" && $2 == 0 { print $4 }' "$results/runs" | while read -r log; do
    grep -H 'no "Fullscreen?" box; the demo printed' "$log"
  done
  awk '$2 != 0 { exit 1 }' "$results/runs"
}
if [ "${1:-}" = --report ]; then
  report "$2" # a soak stopped before its end
  exit
fi

runs=${1:-20}
shift || true
checks=("$@")
[ ${#checks[@]} -gt 0 ] || checks=(desktop wine_capture wine_play_No wine_play_Yes)
wine_checks=()
for check in "${checks[@]}"; do
  case $check in
  desktop) ;;
  wine_capture | wine_play_No | wine_play_Yes) wine_checks+=("$check") ;;
  *) echo "unknown check $check (desktop, wine_capture, wine_play_No, wine_play_Yes)" >&2; exit 2 ;;
  esac
done

results=$(mktemp -d "${TMPDIR:-/tmp}/rerovuz-soak.XXXXXX")
make --no-print-directory windows >"$results/build.log" 2>&1 ||
  { cat "$results/build.log"; echo "make windows failed" >&2; exit 1; }
: >"$results/runs"
hogs=()
stop_hogs() {
  [ ${#hogs[@]} = 0 ] || kill "${hogs[@]}" 2>/dev/null
  hogs=()
}
trap stop_hogs EXIT
for _ in 1 2; do
  sh -c 'while :; do :; done' &
  hogs+=($!)
done
echo "soak: ${checks[*]}, $runs runs each, two CPU hogs beside them; results in $results"

for round in $(seq "$runs"); do
  if [[ " ${checks[*]} " == *" desktop "* ]]; then
    log=$results/desktop.$round.log
    start=$(date +%s.%N)
    ctest --test-dir build -R '^desktop$' -V >"$log" 2>&1
    status=$?
    end=$(date +%s.%N)
    echo "desktop $status $(echo "$end - $start" | bc) $log" >>"$results/runs"
  fi
  if [ ${#wine_checks[@]} -gt 0 ]; then
    tools/windows/wine_session.sh bash "$self" --wine-round "$results" "${wine_checks[@]}" \
      >"$results/session.$round.log" 2>&1 ||
      echo "round $round: the Wine session failed (see $results/session.$round.log)"
  fi
  echo "round $round of $runs: $(awk '$2 != 0' "$results/runs" | wc -l) failed runs so far"
done
stop_hogs
report "$results"
