#!/bin/sh
# Fuzzes the campaign reader for SECONDS (default 60) with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. Builds in build-fuzz with
# clang, runs over a scratch copy of tests/corpus (the checked-in corpus is
# never written to) and exits non-zero on any finding: crash, sanitizer
# report, leak or timeout. Crash inputs are kept in fuzz-out/.
set -eu

SECONDS_TO_RUN=${1:-60}
case "$SECONDS_TO_RUN" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
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
cmake --build "$BUILD" --target fuzz_read_campaign -j2

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/corpus" "$OUT"
cp "$ROOT"/tests/corpus/* "$WORK/corpus/"

echo "fuzz.sh: fuzzing readCampaign for $SECONDS_TO_RUN seconds"
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
"$BUILD/fuzz_read_campaign" \
  -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$OUT/" "$WORK/corpus" || status=$?

if [ "$status" -ne 0 ]; then
  echo "fuzz.sh: the fuzzer found a problem (exit $status); inputs in $OUT" >&2
  exit 1
fi
echo "fuzz.sh: no findings"
