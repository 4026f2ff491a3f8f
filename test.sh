#!/usr/bin/env bash
# Builds Castovin and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"

scripts/install-deps

# The sources as .clang-format writes them (scripts/check-format --fix formats them).
scripts/check-format

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j2

# The core, the command-line tool and the windows once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, in a Debug build that fails
# on any warning. The manual is not built there (its tools would run
# sanitized too), so the help window's test runs only above.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCASTOVIN_SANITIZE=ON -DCASTOVIN_CORE_ONLY=OFF \
  -DCASTOVIN_DOCS=OFF -DCASTOVIN_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -L 'core|cli|ui'

# A few seconds of each fuzz target, so that a crash on the seed corpus fails.
scripts/fuzz 3
