#include "imaging/resample.h"

#include <algorithm>
#include <cstdint>

#include "imaging/real_rounding.h"

// Built with -ffp-contract=off (see CMakeLists.txt): the per-addition rounding is the definition.

namespace ql {

namespace {

constexpr int kChannels = TBitmap::kBytesPerPixel;

struct TSums {
  float c[kChannels] = {0, 0, 0};

  void Add(const std::uint8_t* pixel, float weight) {
    for (int k = 0; k < kChannels; ++k) {
      c[k] = static_cast<float>(static_cast<long double>(c[k]) + static_cast<long double>(pixel[k]) * weight);
    }
  }
  void Store(std::uint8_t* pixel) const {
    for (int k = 0; k < kChannels; ++k) pixel[k] = static_cast<std::uint8_t>(TrimReal(0, 255, c[k]));
  }
};

}  // namespace

void ResampleReference(const TBitmap& source, TBitmap& destination, int width, int height, TFilterFunction kernel,
                       float support, const TProgressFunction& progress) {
  if (&source == &destination) {
    const TBitmap copy = source;
    ResampleReference(copy, destination, width, height, kernel, support, progress);
    return;
  }
  destination.SetSize(std::max(width, 0), std::max(height, 0));
  const int sourceWidth = source.Width();
  const int sourceHeight = source.Height();
  if (sourceWidth < 1 || sourceHeight < 1 || width < 1 || height < 1) return;

  TBitmap work;  // target width × source height
  work.SetSize(width, sourceHeight);
  auto report = [&](int i, int n) {
    if (progress) progress(0, 100, ProgressPercent(i, n));
  };

  {
    const std::vector<TWeightList> across = BuildWeightLists(width, sourceWidth, kernel, support, progress);
    for (int row = 0; row < sourceHeight; ++row) {
      report(row, sourceHeight);
      const std::uint8_t* in = source.ScanLine(row);
      std::uint8_t* out = work.ScanLine(row);
      for (int i = 0; i < width; ++i) {
        TSums sums;
        for (const TWeightEntry& e : across[static_cast<std::size_t>(i)].Entries) {
          sums.Add(in + static_cast<std::ptrdiff_t>(e.Index) * kChannels, e.Weight);
        }
        sums.Store(out + static_cast<std::ptrdiff_t>(i) * kChannels);
      }
    }
  }

  const std::vector<TWeightList> down = BuildWeightLists(height, sourceHeight, kernel, support, progress);
  const std::uint8_t* top = work.ScanLine(0);
  const std::ptrdiff_t stride = work.RowStride();
  for (int column = 0; column < width; ++column) {
    report(column, width);
    const std::uint8_t* in = top + static_cast<std::ptrdiff_t>(column) * kChannels;
    for (int i = 0; i < height; ++i) {
      TSums sums;
      for (const TWeightEntry& e : down[static_cast<std::size_t>(i)].Entries) {
        sums.Add(in + static_cast<std::ptrdiff_t>(e.Index) * stride, e.Weight);
      }
      sums.Store(destination.ScanLine(i) + static_cast<std::ptrdiff_t>(column) * kChannels);
    }
  }
}

void Resample(const TBitmap& source, TBitmap& destination, int width, int height, TFilterFunction kernel,
              float support, const TProgressFunction& progress) {
  ResampleReference(source, destination, width, height, kernel, support, progress);
}

}  // namespace ql
