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
SANITIZED="$ROOT/build-asan"

PACKAGES=(
  build-essential cmake pkg-config liballegro4-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils procps
  dpkg-dev file lintian desktop-file-utils appstream
  libxdamage-dev
  python3
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

# The whole suite again, real-window tests included, on a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Every report goes to a
# file of its own, and any report fails the run, even one from a program
# whose test did not notice it (a console tool expected to exit with 1, a
# game whose output a window test does not read). Built with clang: its
# UndefinedBehaviorSanitizer honours log_path beside AddressSanitizer.
run_sanitized_tests() {
  cmake -S "$ROOT" -B "$SANITIZED" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIB_SANITIZE=ON \
    -DCMAKE_CXX_COMPILER=clang++
  cmake --build "$SANITIZED" -j"$(nproc)"
  local reports="$SANITIZED/sanitizer-reports" status=0
  rm -rf "$reports"
  mkdir -p "$reports"
  # ALSA, which the library's sound driver loads and unloads again, keeps
  # its configuration until the process ends. Held loaded from the start,
  # its allocations keep their library's name, and the leak check leaves
  # them out by that name alone.
  local alsa
  alsa=$(ldconfig -p | awk '$1 == "libasound.so.2" && /x86-64/ {print $NF; exit}')
  ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:log_path=$reports/asan" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan" \
  LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan-suppressions.txt" \
  LD_PRELOAD="$alsa" \
    ctest --test-dir "$SANITIZED" --output-on-failure </dev/null || status=$?
  if compgen -G "$reports/*" >/dev/null; then
    echo "Sanitizer reports:" >&2
    cat "$reports"/* >&2
    return 1
  fi
  return "$status"
}

# The Windows release for the tests under Wine (registered by the build
# when it exists). Only a machine where Wine or the cross compiler cannot
# be installed (scripts/windows.sh ends with 3) runs without them, and
# says so.
build_windows() {
  local status=0
  bash "$ROOT/scripts/windows.sh" </dev/null || status=$?
  if ((status == 3)); then
    echo "SKIPPED: the tests of the Windows release under Wine: Wine or MinGW-w64 cannot be installed on this machine"
    return 0
  fi
  return "$status"
}

run_tests() {
  install_missing
  build_windows
  build
  # The fuzzers first, so that the test runners' summaries close the output:
  # the campaign reader for 60 seconds, then the play simulation for 30.
  bash "$ROOT/scripts/fuzz.sh" 60 30 </dev/null
  # Each window test starts a virtual display of its own and waits for the
  # state it needs. A failing test is never run again: a test that fails
  # once is a fault to find, not noise to hide.
  ctest --test-dir "$BUILD" --output-on-failure </dev/null
  run_sanitized_tests
}

case "${1:-}" in
  play) shift; play "$@" ;;
  test) run_tests ;;
  *) usage ;;
esac
