#include "exif/img_data.h"

#include "platform/atomic_write.h"

namespace ql {

bool TimgData::ProcessFile(const std::string&) {
  ImageInfo.reset();
  return false;
}

bool TimgData::ReadExifInfo(const std::string& fileName) {
  ProcessFile(fileName);
  return HasMetaData();
}

void TimgData::WriteEXIFJpeg(IEncodedImage& image, const std::string& fileName, bool) {
  WriteFileAtomic(fileName, image.EncodeToMemory());
}

}  // namespace ql
