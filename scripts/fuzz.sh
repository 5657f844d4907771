#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for N seconds
# (default 60):  ./scripts/fuzz.sh [seconds] [target...]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
./scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_FUZZ=ON -DQL_BUILD_UI=OFF -DQL_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)"
targets="$*"
if [ -z "$targets" ]; then
  targets=$(ls fuzz/*_fuzzer.cpp 2>/dev/null | sed 's|fuzz/||; s|_fuzzer.cpp||')
fi
for t in $targets; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== $t: $seconds s"
  ./build-fuzz/fuzz/"$t"_fuzzer -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=1048576 \
    "build-fuzz/corpus/$t" "fuzz/corpus/$t"
done
