#!/usr/bin/env bash
# Builds Castovin and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"

scripts/install-deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j2

# The core and the command-line tool once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCASTOVIN_SANITIZE=ON -DCASTOVIN_CORE_ONLY=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -L 'core|cli'

# A few seconds of each fuzz target, so that a crash on the seed corpus fails.
scripts/fuzz 3
