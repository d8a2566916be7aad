#!/bin/sh
# Builds the level workbench, the CMake target quib-lab, and the replay tool
# quib-replay (campaigns.py replays with it) in a build tree, and links the
# workbench as BUILD_DIR/lab, where the helper scripts look for it.
# Usage: sh scripts/levels/build.sh [BUILD_DIR]   (default build-levels)
set -e
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repo/build-levels}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target quib-lab quib-replay >/dev/null
ln -sf quib-lab "$build/lab"
