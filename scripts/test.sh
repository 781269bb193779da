#!/usr/bin/env bash
# Builds and runs every test twice: the normal build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz
# target for 10 seconds on its seed corpus (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2
  echo "== $preset tests"
  ctest --preset "$preset"
done
echo "== fuzz targets, 10 s each"
scripts/fuzz.sh 10
