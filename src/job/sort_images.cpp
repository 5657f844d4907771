#include "job/sort_images.h"

#include <utility>

namespace ql {

void SwapImages(TSourceImage& a, TSourceImage& b) {
  std::swap(a.FileName, b.FileName);
  std::swap(a.Extension, b.Extension);
  std::swap(a.Timestamp, b.Timestamp);
  std::swap(a.WebName, b.WebName);
}

namespace {

bool OutOfOrder(const TSourceImage& a, const TSourceImage& b, int mode) {
  switch (mode) {
    case smDateAscending: return a.Timestamp > b.Timestamp;
    case smDateDescending: return a.Timestamp < b.Timestamp;
    case smNameAscending: return a.WebName > b.WebName;  // std::string compares unsigned bytes
    case smNameDescending: return a.WebName < b.WebName;
    default: return false;
  }
}

}  // namespace

void SortImages(TImageTable& images, int n, int mode) {
  // Exchange passes until one makes no exchange: only neighbours that are strictly out of order
  // are exchanged, so equal rows keep the listing order. Each pass ends where the previous one
  // made its last exchange; the rows behind it are already in place.
  int end = n - 1;
  while (end > 0) {
    int lastExchange = 0;
    for (int i = 0; i < end; ++i) {
      auto& a = images[static_cast<std::size_t>(i)];
      auto& b = images[static_cast<std::size_t>(i + 1)];
      if (OutOfOrder(a, b, mode)) {
        SwapImages(a, b);
        lastExchange = i;
      }
    }
    end = lastExchange;
  }
}

}  // namespace ql
