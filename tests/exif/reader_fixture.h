// A metadata reader and a temporary folder: the bytes of a test become a file that the reader
// processes, as the scan and the conversion process theirs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "exif/img_data.h"
#include "exif/jpeg_builder.h"
#include "support/temp_dir.h"

namespace ql::test {

class TReaderTest : public ::testing::Test {
 protected:
  // Writes `bytes` as `name` and runs ProcessFile on it.
  bool Process(const TBytes& bytes, const std::string& name = "a.jpg") {
    const std::string path = dir / name;
    WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return reader.ProcessFile(path);
  }
  bool Process(const TJpegBuilder& jpeg, const std::string& name = "a.jpg") { return Process(jpeg.Get(), name); }

  TDateTime Date() const { return reader.ImageInfo ? reader.ImageInfo->GetImgDateTime() : -1; }

  TTempDir dir;
  TimgData reader{0};
};

// The date-time of a calendar date and time.
inline TDateTime At(int y, int mo, int d, int h, int mi, int s) {
  return ComposeDateTime(*EncodeDate(y, mo, d), *EncodeTime(h, mi, s));
}

}  // namespace ql::test
