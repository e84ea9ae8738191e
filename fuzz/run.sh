#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each on its seed corpus and prints what it did.
# usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
bin="$build/bin"
work="$build/fuzz-work"
mkdir -p "$work"
"$bin/fuzz_seeds" "$work/seeds"
# The real camera files beside the repository make good JPEG seeds too.
samples="$(dirname "$0")/../../shared/samples"
if [ -d "$samples" ]; then
  find "$samples" -name '*.jpg' -exec cp {} "$work/seeds/jpeg_camera_info_fuzzer/" \;
fi

status=0
for target in "$work"/seeds/*; do
  name=$(basename "$target")
  corpus="$work/corpus/$name"
  mkdir -p "$corpus" "$work/crashes/$name"
  log="$work/$name.log"
  if "$bin/$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
       -artifact_prefix="$work/crashes/$name/" "$corpus" "$target" >"$log" 2>&1; then
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || echo '?')
    cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -n 1 | grep -Eo '[0-9]+' || echo '?')
    echo "fuzz: $name: ${seconds}s, $runs executions, coverage $cov, no crash"
  else
    echo "fuzz: $name FOUND A CRASH; see $log and $work/crashes/$name/"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
