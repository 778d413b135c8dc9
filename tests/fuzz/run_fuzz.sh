#!/usr/bin/env bash
# Runs fuzz targets for a given time each, from their seeds, and prints what each did.
# usage: run_fuzz.sh FUZZ_BUILD_DIR SECONDS [NAME...] (all when none). New inputs go to
# FUZZ_BUILD_DIR/corpus/NAME, never to the seeds; a crashing input to FUZZ_BUILD_DIR/artifacts/.
# The limits follow the readers' budgets. Memory: the harness (about 125 MB with the sanitizers
# and a GL context), the largest budget (a picture at the pixel limit, under 128 MiB; the others
# grow with the input) and AddressSanitizer's quarantine held to 32 MB: 320 MB. Time: the
# slowest legitimate input (a JPEG at the pixel limit with the most scans) takes 1.5 s: 10 s.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) # absolute: the targets work in a folder of their own
seconds=$2
shift 2
status=0
[ $# -gt 0 ] || set -- tga mesh_binary mesh_text picture music
for name in "$@"; do
  log="$build/fuzz_$name.log"
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
  ASAN_OPTIONS="quarantine_size_mb=32${ASAN_OPTIONS:+:$ASAN_OPTIONS}" "$build/fuzz_$name" \
    -max_total_time="$seconds" -rss_limit_mb=320 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name/" "$build/corpus/$name" "$here/corpus/$name" \
    >"$log" 2>&1
  code=$?
  echo "fuzz_$name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions" \
    "in $seconds s, $(grep -o 'cov: [0-9]*' "$log" | tail -1), peak" \
    "$(sed -n 's/^stat::peak_rss_mb: *//p' "$log") MB, exit $code"
  if [ $code -ne 0 ]; then
    status=1
    grep -E 'ERROR|SUMMARY|harness:|Test unit written' "$log" | head -20
    echo "(whole log: $log)"
  fi
done
exit $status
