#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset, clang with ASan and UBSan)
# and runs each on its seed corpus for SECONDS (default 10). New inputs go to
# build-fuzz/corpus/<target>, never into the committed seeds; a crash stops
# the script with the input's path.
#   scripts/fuzz.sh            10 s each, as scripts/test.sh runs it
#   scripts/fuzz.sh 600        a longer run
#   scripts/fuzz.sh 60 script_fuzz   one target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=($(cd fuzz/corpus && ls))
fi
for target in "${targets[@]}"; do
  work=build-fuzz/corpus/$target
  mkdir -p "$work" build-fuzz/crashes
  log=build-fuzz/$target.log
  if ! build-fuzz/bin/"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/crashes/ \
        "$work" fuzz/corpus/"$target" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $target found a failure; the input is in build-fuzz/crashes/" >&2
    exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  printf 'fuzz: %-22s %12s runs in %s s\n' "$target" "$runs" "$seconds"
done
