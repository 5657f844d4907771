// ql_bench_photo [example.jpg] target.jpg: writes the benchmarks' 24-megapixel test photo.
#include <cstdio>
#include <exception>

#include "bench/bench_photo.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: ql_bench_photo [example.jpg] target.jpg\n");
    return 2;
  }
  try {
    ql::bench::WriteBenchPhoto(argc == 3 ? argv[1] : QL_BENCH_EXAMPLE_PHOTO, argv[argc - 1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ql_bench_photo: %s\n", e.what());
    return 1;
  }
  return 0;
}
