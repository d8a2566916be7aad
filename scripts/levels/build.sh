#!/bin/sh
# Builds the level workbench against the simulation library of a build tree.
# Usage: sh scripts/levels/build.sh [BUILD_DIR]   (default build-levels)
set -e
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repo/build-levels}
cmake --build "$build" --target quib_sim quib_data >/dev/null
g++ -std=c++17 -O2 -Wall -I"$repo" "$repo/scripts/levels/lab.cpp" \
  "$build/libquib_sim.a" "$build/libquib_data.a" -o "$build/lab"
