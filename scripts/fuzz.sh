#!/bin/sh
# Fuzzes with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer:
# the campaign reader for SECONDS (default 60), then the play simulation for
# PLAY_SECONDS (default 30; 0 skips a fuzzer).
#
#   sh scripts/fuzz.sh [SECONDS [PLAY_SECONDS]]
#
# Builds in build-fuzz with clang. The reader fuzzer runs over a scratch copy
# of tests/corpus (the checked-in corpus is never written to); the play
# fuzzer's seeds are made afresh from the shipped campaigns and their winning
# replays (campaigns/*.qbf and their routes), so they follow the levels as
# they change. Exits non-zero on any finding: crash, property violation,
# sanitizer report, leak or timeout. Crash inputs are kept in fuzz-out/.
set -eu

SECONDS_TO_RUN=${1:-60}
PLAY_SECONDS=${2:-30}
case "$SECONDS_TO_RUN$PLAY_SECONDS" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS [PLAY_SECONDS]]" >&2; exit 2 ;;
esac

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build-fuzz"
OUT="$ROOT/fuzz-out"

# clang with the sanitizer and libFuzzer runtimes.
have_fuzzer_toolchain() {
  command -v clang++ >/dev/null 2>&1 || return 1
  probe=$(mktemp -d)
  printf '%s\n' '#include <cstdint>' '#include <cstddef>' \
    'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' > "$probe/p.cpp"
  if clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
    rm -rf "$probe"; return 0
  fi
  rm -rf "$probe"; return 1
}

if ! have_fuzzer_toolchain; then
  if [ "$(id -u)" = 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y clang libclang-rt-14-dev cmake make
  fi
  if ! have_fuzzer_toolchain; then
    echo "fuzz.sh: clang++ with libFuzzer (clang, libclang-rt-14-dev) is needed" >&2
    exit 1
  fi
fi

cmake -S "$ROOT" -B "$BUILD" -DQUIB_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target fuzz_read_campaign fuzz_play quib-play-seeds -j2

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/corpus" "$WORK/play" "$OUT"
cp "$ROOT"/tests/corpus/* "$WORK/corpus/"
for campaign in "$ROOT"/campaigns/*.qbf; do
  set --
  for solution in "$ROOT/campaigns/$(basename "$campaign")".*.txt; do
    [ -f "$solution" ] || continue
    slot=${solution%.txt}; slot=${slot##*.}
    set -- "$@" "$slot" "$solution"
  done
  "$BUILD/quib-play-seeds" "$campaign" "$WORK/play" "$@"
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
if [ "$SECONDS_TO_RUN" -gt 0 ]; then
  echo "fuzz.sh: fuzzing readCampaign for $SECONDS_TO_RUN seconds"
  "$BUILD/fuzz_read_campaign" \
    -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$OUT/" "$WORK/corpus" || status=$?
fi
if [ "$status" -eq 0 ] && [ "$PLAY_SECONDS" -gt 0 ]; then
  echo "fuzz.sh: fuzzing play for $PLAY_SECONDS seconds over $(ls "$WORK/play" | wc -l) seeds"
  "$BUILD/fuzz_play" \
    -max_total_time="$PLAY_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$OUT/play-" "$WORK/play" || status=$?
fi

if [ "$status" -ne 0 ]; then
  echo "fuzz.sh: the fuzzer found a problem (exit $status); inputs in $OUT" >&2
  exit 1
fi
echo "fuzz.sh: no findings"
