#!/usr/bin/env bash
# Builds the compiler and passes every test: once in a normal build and once
# under AddressSanitizer and UndefinedBehaviorSanitizer; then runs every
# fuzzing target for a short while (VORNE_FUZZ_SECONDS each, 12 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  ninja -C "$dir" -j "$jobs"
  (cd "$dir" && ctest -j "$jobs" --output-on-failure --timeout 600)
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORNE_SANITIZE=ON -DVORNE_BUILD_BENCH=OFF
tools/fuzz.sh "${VORNE_FUZZ_SECONDS:-12}"
echo "All tests passed (normal and sanitizer builds, short fuzzing run)."
