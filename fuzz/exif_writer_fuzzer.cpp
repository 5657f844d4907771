// Fuzz target: the carry-over writer given a parsed source and an encoder output of the
// fuzzer's choosing. Input: new width (2 bytes, big-endian), new height (2), length L of the
// encoder output (2), the L bytes of that output, then the source JPEG. Seeds
// (fuzz/corpus/exif_writer/) put a small libjpeg output before the heads of real camera files.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "exif/img_data.h"

namespace {

class TChosenImage : public ql::IEncodedImage {
 public:
  TChosenImage(int width, int height, std::span<const std::uint8_t> bytes)
      : width_(width), height_(height), bytes_(bytes.begin(), bytes.end()) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::vector<std::uint8_t> EncodeToMemory() override { return bytes_; }

 private:
  int width_, height_;
  std::vector<std::uint8_t> bytes_;
};

bool InField(std::size_t i, std::int32_t field) {
  return field >= 0 && i >= static_cast<std::size_t>(field) && i < static_cast<std::size_t>(field) + 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const int width = data[0] << 8 | data[1];
  const int height = data[2] << 8 | data[3];
  const std::size_t encodedSize = std::min<std::size_t>(static_cast<std::size_t>(data[4] << 8 | data[5]), size - 6);
  const std::span<const std::uint8_t> encoded(data + 6, encodedSize);
  const std::span<const std::uint8_t> source(data + 6 + encodedSize, size - 6 - encodedSize);

  ql::TimgData reader(0);
  ql::TByteStream stream(source);
  try {
    reader.ReadJpegSections(stream);
  } catch (const ql::TExifReadError&) {
  }
  const ql::TByteString before = reader.ExifSection ? reader.ExifSection->Bytes : ql::TByteString{};

  TChosenImage image(width, height, encoded);
  ql::TByteString out;
  try {
    out = reader.ComposeExifJpeg(image, true);
  } catch (const ql::TError&) {
    // An encoder output whose header sections run past its end: nothing is written.
    if (reader.ExifSection && reader.ExifSection->Bytes != before) std::abort();
    return 0;
  }

  // The file is the start-of-image, the sections and the encoder output from k on.
  ql::TByteString head;
  const std::int32_t count = reader.SaveExif(head);
  const std::size_t k = ql::EncodedImageOffset(encoded);
  if (out.size() != 2 + static_cast<std::size_t>(count) + (encoded.size() - k)) std::abort();
  if (out[0] != 0xFF || out[1] != 0xD8) std::abort();
  if (!std::equal(encoded.begin() + static_cast<std::ptrdiff_t>(k), encoded.end(), out.end() - static_cast<std::ptrdiff_t>(encoded.size() - k))) std::abort();

  // The EXIF block keeps its length and changes only in the two recorded value fields.
  if (reader.ExifSection) {
    const ql::TByteString& after = reader.ExifSection->Bytes;
    if (after.size() != before.size()) std::abort();
    const ql::TImageInfo& info = *reader.ImageInfo;
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (after[i] != before[i] && !InField(i, info.WidthPos) && !InField(i, info.HeightPos)) std::abort();
    }
    // A second write for the same state patches the same way.
    if (reader.ComposeExifJpeg(image, true) != out) std::abort();
  }
  return 0;
}
