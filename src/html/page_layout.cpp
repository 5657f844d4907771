#include "html/page_layout.h"

#include <algorithm>

namespace ql {

int ClampCells(int value) { return std::clamp(value, kMinCells, kMaxCells); }

int IndexPageCount(int n, const TCellLayout& layout) {
  if (n <= 0) return 0;
  const int perPage = layout.PerPage();
  return n / perPage + (n % perPage != 0 ? 1 : 0);
}

int IndexPageOfImage(int image, const TCellLayout& layout) {
  // An image number below 1 is not a page's image; it gets the first page.
  return image < 1 ? 1 : (image - 1) / layout.PerPage() + 1;
}

}  // namespace ql
