#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine, run as root.
#
#   bash scripts/setup.sh play   install what is missing, build, start the game
#   bash scripts/setup.sh test   install what is missing, build, run every test
#
# Safe to repeat: packages already present are not touched, and the build
# directory (build/) is reused.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(
  build-essential cmake pkg-config liballegro4-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils procps
  dpkg-dev file lintian desktop-file-utils appstream
)

usage() {
  echo "usage: bash scripts/setup.sh play|test" >&2
  exit 2
}

# Installs the packages that are not installed yet, without any question.
install_missing() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [[ "$(id -u)" != 0 ]]; then
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD" -j"$(nproc)"
}

play() {
  install_missing
  build
  # The game looks for its campaign files in the current directory.
  if [[ -d "$ROOT/campaigns" ]]; then
    cd "$ROOT/campaigns"
  else
    cd "$ROOT"
  fi
  exec "$BUILD/quib" "$@"
}

run_tests() {
  install_missing
  build
  # The fuzzer first, so that the test runner's summary closes the output.
  bash "$ROOT/scripts/fuzz.sh" 60 </dev/null
  # The window test starts a virtual display of its own.
  ctest --test-dir "$BUILD" --output-on-failure </dev/null
}

case "${1:-}" in
  play) shift; play "$@" ;;
  test) run_tests ;;
  *) usage ;;
esac
