#!/usr/bin/env bash
# A scripted run of N presses (default 1,000 and 10,000), measured from
# outside: peak memory of the run, open handles and windows at exit, and the
# wall time. Memory and handles must not grow with N. Velkin presses "确定";
# Tarnell alternates "Back Light=20" and "Back Light=80".
#   bench/press_run.sh [BUILD_DIR] [Velkin|Tarnell] [N...]
set -euo pipefail
build=${1:-build}
shift || true
program=Velkin
if (($#)) && [[ $1 == Velkin || $1 == Tarnell ]]; then
  program=$1
  shift
fi
counts=("$@")
((${#counts[@]})) || counts=(1000 10000)
sim="$build/bin/terminal-sim"
[ -x /usr/bin/time ] || { echo "press_run: needs GNU time (apt-get install time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "$program"
printf '%8s %12s %12s %8s %10s\n' presses peak_rss_kb open_handles windows seconds
for n in "${counts[@]}"; do
  if [[ $program == Velkin ]]; then
    {
      echo 'set-text 1000 "BENCH-0001"'
      for ((i = 0; i < n; i++)); do echo 'click 1001'; done
      echo 'ok'
    } >"$work/script"
  else
    {
      for ((i = 0; i < n; i++)); do echo "click $((1002 + i % 2))"; done
      echo 'ok'
    } >"$work/script"
  fi
  rm -rf "$work/state"
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$sim" --state "$work/state" --transcript "$work/transcript" \
    --script "$work/script" "$program"
  end=$(date +%s%N)
  exit_line=$(grep '"ev":"exit"' "$work/transcript")
  handles=$(sed -E 's/.*"openHandles":([0-9]+).*/\1/' <<<"$exit_line")
  windows=$(sed -E 's/.*"windows":([0-9]+).*/\1/' <<<"$exit_line")
  writes=$(grep -c '"ev":"stored"' "$work/transcript")
  [ "$writes" -eq "$n" ] || { echo "expected $n writes, saw $writes" >&2; exit 1; }
  ms=$(((end - start) / 1000000))
  printf '%8d %12d %12d %8d %7d.%03d\n' "$n" "$(cat "$work/rss")" "$handles" "$windows" $((ms / 1000)) $((ms % 1000))
done
