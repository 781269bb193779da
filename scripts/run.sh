#!/usr/bin/env bash
# Builds everything and runs the programs on the simulated terminal. With no
# arguments it plays the demo scripts of Velkin and Tarnell, tells what the
# user would have seen, and shows the terminal's state afterwards; otherwise
# the arguments go to terminal-sim (terminal-sim --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j 2 >/dev/null

if (($#)); then
  exec build/bin/terminal-sim "$@"
fi
sim=build/bin/terminal-sim
state=build/demo-state
echo "The simulated terminal keeps the demo's state in $state."
for program in Velkin Tarnell; do
  demo=examples/${program,,}-demo.script
  echo
  echo "== $program, playing $demo"
  "$sim" --state "$state" --script "$demo" "$program"
done
echo
echo "== the terminal afterwards"
"$sim" --state "$state" --status
