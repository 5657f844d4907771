// The scan of the input folder into the image table.
#pragma once

#include <string>

#include "job/source_image.h"

namespace ql {

class TimgData;

struct TScanResult {
  int Count = 0;    // rows 0 to Count-1 of the table were filled
  int LeftOut = 0;  // matching files beyond MaxImages, not taken
};

// Takes every JPEG and BMP file of `sourceDir` (extension .jpg, .jpeg or .bmp in any letter
// case, not hidden), in byte order of the names, into the first rows of `images`, at most
// MaxImages. The date key is the EXIF recording date when `useExif` is set and the file has an
// EXIF block, else the file's modification time in local time. A folder that cannot be listed
// gives 0.
TScanResult ScanSourceFolder(const std::string& sourceDir, bool useExif, TimgData& exifData, TImageTable& images);

// True for ".jpg", ".jpeg" and ".bmp" in any letter case.
bool IsSourceExtension(std::string_view extension);

}  // namespace ql
