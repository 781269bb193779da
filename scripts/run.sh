#!/usr/bin/env bash
# Builds everything and runs Velkin on the simulated terminal. With no
# arguments it plays the demo script and tells what the user would have seen;
# otherwise the arguments go to terminal-sim (terminal-sim --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j 2 >/dev/null

if (($#)); then
  exec build/bin/terminal-sim "$@"
fi
echo "Velkin on the simulated terminal, playing examples/velkin-demo.script"
echo "(the demo's terminal keeps its state in build/demo-state)"
echo
exec build/bin/terminal-sim --state build/demo-state --script examples/velkin-demo.script Velkin
