#!/bin/sh
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer (g++,
# -fno-sanitize-recover=all) into build-asan/ and runs it.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh ui
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQL_SANITIZE=ON -DQL_WERROR=ON >/dev/null
cmake --build build-asan -j "$(nproc 2>/dev/null || echo 2)"
cd build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
