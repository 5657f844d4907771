// Putting the image table into page order.
#pragma once

#include "job/source_image.h"

namespace ql {

enum TSortMode : int { smDateAscending = 0, smDateDescending = 1, smNameAscending = 2, smNameDescending = 3 };

// Exchanges the complete contents of two rows.
void SwapImages(TSourceImage& a, TSourceImage& b);

// Orders rows 0 to n-1 in place by `mode`: dates compare as signed 32-bit numbers, web names byte
// by byte (a prefix first). Rows equal under the mode keep their order; a mode outside 0..3
// changes nothing.
void SortImages(TImageTable& images, int n, int mode);

}  // namespace ql
