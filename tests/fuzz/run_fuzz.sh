#!/usr/bin/env bash
# Runs fuzz targets for a given time each, from their seeds, and prints what each did.
# usage: run_fuzz.sh FUZZ_BUILD_DIR SECONDS [NAME...]   (names: tga mesh_binary mesh_text
# picture music; all when none). New inputs go to FUZZ_BUILD_DIR/corpus/NAME, never to the
# seeds in the source tree; a crashing input to FUZZ_BUILD_DIR/artifacts/NAME/.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) # absolute: the targets work in a folder of their own
seconds=$2
shift 2
names=("$@")
[ ${#names[@]} -eq 0 ] && names=(tga mesh_binary mesh_text picture music)

status=0
for name in "${names[@]}"; do
  program="$build/fuzz_$name"
  work="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  mkdir -p "$work" "$artifacts"
  log="$build/fuzz_$name.log"
  # The limits follow the readers' budgets. Memory: the harness itself (about 125 MB with
  # the sanitizers and an offscreen GL context), the largest budget (a picture at the pixel
  # limit, under 128 MiB while it loads; every other budget grows with the input, a few KB
  # here) and AddressSanitizer's quarantine of freed memory, held to 32 MB: 320 MB. Time: the
  # slowest legitimate input, a picture at the pixel limit with the most scans a JPEG may
  # have, takes about 1.5 s under the sanitizers: 10 s per input. More is a finding; leaks
  # are checked per input.
  ASAN_OPTIONS="quarantine_size_mb=32${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
    "$program" -max_total_time="$seconds" -rss_limit_mb=320 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "$here/corpus/$name" >"$log" 2>&1
  code=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1)
  echo "fuzz_$name: ${execs:-?} executions in ${seconds} s, ${cov:-cov: ?}, ${ft:-ft: ?}," \
    "peak ${rss:-?} MB, exit $code"
  if [ $code -ne 0 ]; then
    status=1
    grep -E 'ERROR|SUMMARY|harness:|Test unit written' "$log" | head -20
    echo "(whole log: $log)"
  fi
done
exit $status
