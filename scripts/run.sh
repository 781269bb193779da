#!/usr/bin/env bash
# Builds everything and starts the simulated terminal. In a text terminal it
# opens the terminal's home screen, from which Velkin and Tarnell start;
# without one (a pipe, CI) it plays the demo scripts of both programs and
# tells what the user would have seen. With arguments they go to
# terminal-sim (terminal-sim --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j 2 >/dev/null

sim=build/bin/terminal-sim
if (($#)); then
  exec "$sim" "$@"
fi
if [ -t 0 ] && [ -t 1 ]; then
  exec "$sim"
fi
state=build/demo-state
echo "No text terminal here: playing the demo scripts instead."
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
