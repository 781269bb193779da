#!/usr/bin/env bash
# Installs what this project needs and a fresh machine may lack (Debian).
set -euo pipefail

# libncurses-dev: the interactive screen; tmux: its tests; time: the scripted benchmark;
# clang and its runtime (libFuzzer): the fuzz targets.
packages=(cmake make g++ cpp binutils-mingw-w64-x86-64 googletest libgtest-dev libgmock-dev libbenchmark-dev
          libncurses-dev tmux time clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
