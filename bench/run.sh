#!/bin/sh
# Benchmarks in one command: builds them in Release into build-bench/, makes the 24-megapixel
# test photo there from a sample photo, prints our timings, and, when ImageMagick's convert is
# installed, times it making the same two outputs from the same file.
#   ./bench/run.sh [Google Benchmark options, e.g. --benchmark_filter=Resample]
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQL_BUILD_BENCH=ON -DQL_BUILD_UI=OFF \
  -DQL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j "$(nproc 2>/dev/null || echo 2)" --target ql_bench ql_bench_photo
photo="$PWD/build-bench/bench-photo-6000x4000.jpg"
if [ ! -f "$photo" ]; then
  echo "Making the test photo $photo"
  ./build-bench/bench/ql_bench_photo "examples/photos/Water Drop.jpg" "$photo"
fi

echo "== QuorvaLinde (one thread)"
QL_BENCH_PHOTO="$photo" ./build-bench/bench/ql_bench "$@"

# ImageMagick's own binary, not a wrapper that may stand in front of it on PATH.
convert=""
for c in /usr/bin/convert-im6.q16 /usr/bin/convert "$(command -v convert 2>/dev/null || true)"; do
  if [ -n "$c" ] && [ -x "$c" ] && "$c" -version 2>/dev/null | grep -q ImageMagick; then convert="$c"; break; fi
done
if [ -z "$convert" ]; then
  echo "== ImageMagick's convert is not installed; skipped"
  exit 0
fi

out="$PWD/build-bench/im-out"
mkdir -p "$out"
# Best of three wall-clock runs, in milliseconds.
best_ms() {
  best=""
  for _ in 1 2 3; do
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}
for threads in 1 "$(nproc 2>/dev/null || echo 2)"; do
  echo "== ImageMagick $("$convert" -version | head -1 | cut -d' ' -f3), $threads thread(s), best of 3"
  a=$(best_ms "$convert" -limit thread "$threads" "$photo" -filter Lanczos -resize 800x600 -quality 85 "$out/a.jpg")
  t=$(best_ms "$convert" -limit thread "$threads" "$photo" -filter Lanczos -resize 140x140 -quality 85 "$out/t.jpg")
  echo "resized copy 800x600: $a ms   thumbnail 140x140: $t ms   both: $((a + t)) ms"
done
