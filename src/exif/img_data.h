// The metadata reader: the head sections of a JPEG file (EXIF, JFIF, IPTC, comment), the EXIF
// recording date and the carry-over of those sections into a newly encoded image.
//
// This first version answers "no metadata" for every file; the segment reader fills it in.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "exif/encoded_image.h"
#include "platform/date_time.h"

namespace ql {

class TImageInfo {
 public:
  // The recording date of the EXIF block, 0 when there is none.
  TDateTime GetImgDateTime() const { return 0; }
};

class TimgData {
 public:
  explicit TimgData(std::int32_t buildCode = 0) : BuildCode(buildCode) {}

  bool ProcessFile(const std::string& fileName);
  bool ReadExifInfo(const std::string& fileName);
  // Writes `image` to `fileName` behind the recorded sections of the last file processed.
  void WriteEXIFJpeg(IEncodedImage& image, const std::string& fileName, bool adjustSize);

  bool HasMetaData() const { return false; }
  bool HasEXIF() const { return false; }
  bool HasComment() const { return false; }
  bool HasIPTC() const { return false; }
  // The payload of the comment section, every byte as read.
  std::string GetCommentStr() const { return {}; }

  std::int32_t BuildCode;
  std::unique_ptr<TImageInfo> ImageInfo;  // set only while an EXIF section is recorded
};

}  // namespace ql
