// The size of an image fitted into a box: never enlarged, aspect ratio kept, halves rounded up.
#pragma once

namespace ql {

struct TFitSize {
  int Width = 0;
  int Height = 0;
  bool Fits = false;  // the image fits as it is (Width and Height are then its own)
};

// Fits width × height (both >= 1) into maxWidth × maxHeight. With r = width / height:
// a width beyond the box gives maxWidth × round(maxWidth / r), and if that height is beyond the
// box, round(maxHeight × r) × maxHeight; else a height beyond the box gives
// round(maxHeight × r) × maxHeight. round(v) is v + 0.5 truncated, at extended precision. A side
// that comes out below 1 (a very elongated image, a box side of 0 or less) is 1.
TFitSize FitIntoBox(int width, int height, int maxWidth, int maxHeight);

}  // namespace ql
