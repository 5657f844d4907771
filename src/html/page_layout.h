// How the thumbnails fall onto index pages: Columns × Rows cells per page.
#pragma once

#include "job/gallery_options.h"

namespace ql {

// Columns and Rows as the writer uses them: clamped into 1 to 999, the range of the dialog's
// fields, so that a settings file holding 0 (or a product that overflows) never divides by zero.
inline constexpr int kMinCells = 1;
inline constexpr int kMaxCells = 999;
int ClampCells(int value);

// Columns and rows, each clamped by ClampCells.
class TCellLayout {
 public:
  TCellLayout(int columns, int rows) : columns_(ClampCells(columns)), rows_(ClampCells(rows)) {}
  explicit TCellLayout(const TGalleryOptions& options) : TCellLayout(options.Columns, options.Rows) {}

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int PerPage() const { return columns_ * rows_; }  // at most 998001

 private:
  int columns_;
  int rows_;
};

// D: the number of index pages for n images, the smallest whole number not below n / (C × R);
// 0 for n <= 0.
int IndexPageCount(int n, const TCellLayout& layout);

// The index page (1 to D) that shows the thumbnail of image `image` (1 to n).
int IndexPageOfImage(int image, const TCellLayout& layout);

}  // namespace ql
