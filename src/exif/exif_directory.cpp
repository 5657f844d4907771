// The EXIF directory walk: the header test, the byte order, and IFD0 with every sub-directory
// it points to, recording the three date-time positions and the image width and height.
//
// EXIF section, positions counted from its first length byte:
//   0  2  length (big-endian)          8   2  "II" or "MM"
//   2  5  "Exif\0"                     10  2  42
//   7  1  0                            12  4  TIFF offset of IFD0
// A TIFF offset t is position 8 + t. A directory at s: count N (2 bytes), N entries of 12 bytes
// (tag 2, format 2, count 4, value or TIFF offset of the value 4), link to the next directory.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "exif/img_data.h"

namespace ql {

namespace {

enum : std::uint16_t {
  kTagImageWidth = 0x0100,
  kTagImageLength = 0x0101,
  kTagDateTime = 0x0132,
  kTagSubIFDs = 0x014A,
  kTagExifOffset = 0x8769,
  kTagGPSInfo = 0x8825,
  kTagDateTimeOriginal = 0x9003,
  kTagDateTimeDigitized = 0x9004,
  kTagExifImageWidth = 0xA002,
  kTagExifImageLength = 0xA003,
  kTagInteroperabilityOffset = 0xA005,
};

constexpr std::int32_t kTiffStart = 8;

// Keeps the walk's path of directories: entered on construction, left on every way out.
class TPathStep {
 public:
  TPathStep(std::vector<std::int32_t>& path, std::int32_t start) : path_(path) { path_.push_back(start); }
  ~TPathStep() { path_.pop_back(); }
  TPathStep(const TPathStep&) = delete;
  TPathStep& operator=(const TPathStep&) = delete;

 private:
  std::vector<std::int32_t>& path_;
};

}  // namespace

int BytesPerFormat(std::uint32_t format) {
  static constexpr int kBytes[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  return format < 13 ? kBytes[format] : 0;
}

std::int32_t RoundToInt32(double value) {
  if (!std::isfinite(value)) return 0;
  double rounded = std::round(value);  // halves away from zero...
  if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);  // ...but to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return 0;
  return static_cast<std::int32_t>(rounded);
}

void TimgData::ProcessEXIF() {
  if (!ExifSection) return;
  if (!ImageInfo) ImageInfo = std::make_unique<TImageInfo>(*this, BuildCode);
  const TByteString& bytes = ExifSection->Bytes;
  static constexpr std::uint8_t kValidHeader[5] = {'E', 'x', 'i', 'f', 0};
  if (bytes.size() < 7 || std::memcmp(bytes.data() + 2, kValidHeader, sizeof kValidHeader) != 0) return;
  if (bytes.size() < 10) return;
  if (bytes[8] == 'I' && bytes[9] == 'I') {
    BigEndian = false;
  } else if (bytes[8] == 'M' && bytes[9] == 'M') {
    BigEndian = true;
  } else {
    return;
  }
  ImageInfo->BigEndian = BigEndian;
  ImageInfo->SetDataBuff(bytes);
  // Raises when the section is too short to hold the IFD0 offset.
  const std::uint32_t first = ImageInfo->Get32u(12);
  const std::int32_t start = first == 0 ? kTiffStart + 8 : WrapAdd(kTiffStart, first);
  ImageInfo->ProcessExifDir(start, kTiffStart, ExifSection->Length - kTiffStart);
}

void TImageInfo::ProcessExifDir(std::int32_t start, std::int32_t base, std::int32_t length) {
  if (walkPath_.empty()) directoriesEntered_ = 0;
  ++directoriesEntered_;
  const TPathStep step(walkPath_, start);

  const std::uint16_t count = Get16u(start);
  // The entries must end inside the block, or nothing of this directory is used.
  const std::int64_t blockEnd = static_cast<std::int64_t>(base) + length;
  if (static_cast<std::int64_t>(start) + 2 + 12 * static_cast<std::int64_t>(count) > blockEnd) return;
  for (std::int32_t i = 0; i < count; ++i) ActOnEntry(start + 2 + 12 * i, base, length);
}

void TImageInfo::ActOnEntry(std::int32_t entry, std::int32_t base, std::int32_t length) {
  const std::uint16_t tag = Get16u(entry);
  const std::uint16_t format = Get16u(entry + 2);
  const std::uint32_t count = Get32u(entry + 4);
  const std::uint64_t size = static_cast<std::uint64_t>(BytesPerFormat(format)) * count;
  if (size == 0) return;

  // A value of up to 4 bytes stands in the entry itself, a longer one at a TIFF offset.
  const std::int32_t valuePos = size <= 4 ? entry + 8 : WrapAdd(base, Get32u(entry + 8));
  // The value, cut at the end of the block; empty when it starts outside.
  const std::int64_t end = std::min<std::int64_t>(static_cast<std::int64_t>(base) + length,
                                                  static_cast<std::int64_t>(Buffer.size()));
  std::span<const std::uint8_t> value;
  if (valuePos >= 0 && valuePos < end) {
    const auto available = static_cast<std::uint64_t>(end - valuePos);
    value = std::span<const std::uint8_t>(Buffer).subspan(static_cast<std::size_t>(valuePos),
                                                          static_cast<std::size_t>(std::min(size, available)));
  }

  switch (tag) {
    case kTagImageWidth:
    case kTagExifImageWidth:
      WidthPos = entry + 8;
      Width = RoundToInt32(GetNumber(value, format));
      break;
    case kTagImageLength:
    case kTagExifImageLength:
      HeightPos = entry + 8;
      Height = RoundToInt32(GetNumber(value, format));
      break;
    case kTagDateTime:
      DateTimePos = valuePos;
      break;
    case kTagDateTimeOriginal:
      DateTimeOriginalPos = valuePos;
      break;
    case kTagDateTimeDigitized:
      DateTimeDigitizedPos = valuePos;
      break;
    case kTagSubIFDs:
    case kTagExifOffset:
    case kTagInteroperabilityOffset:
    case kTagGPSInfo:
      FollowPointer(valuePos, base, length);
      break;
    default:
      break;
  }
}

void TImageInfo::FollowPointer(std::int32_t valuePos, std::int32_t base, std::int32_t length) {
  try {
    // Of several pointers only the first is followed.
    const std::int32_t sub = WrapAdd(base, Get32u(valuePos));
    // A directory already on the path (a loop), too deep a nesting or too many directories for
    // one block (pointers fanning out to the same directories) ends the sub-walk.
    if (std::find(walkPath_.begin(), walkPath_.end(), sub) != walkPath_.end()) return;
    if (static_cast<int>(walkPath_.size()) >= kMaxDepth || directoriesEntered_ >= kMaxDirectories) return;
    ProcessExifDir(sub, base, length);
  } catch (const TExifReadError&) {
    // Ends this sub-walk only; the parent goes on with its next entry.
  }
}

double TImageInfo::GetNumber(std::span<const std::uint8_t> value, std::uint32_t format) const {
  switch (format) {
    case kFmtByte:
    case kFmtShort:
    case kFmtLong:
    case kFmtSByte:
    case kFmtSShort:
    case kFmtSLong:
      return CvtInt(value);
    case kFmtRational:
    case kFmtSRational: {
      const std::size_t split = std::min<std::size_t>(4, value.size());
      const std::int32_t numerator = CvtInt(value.first(split));
      const std::int32_t denominator = CvtInt(value.subspan(split, std::min<std::size_t>(4, value.size() - split)));
      return denominator == 0 ? 0.0 : static_cast<double>(numerator) / static_cast<double>(denominator);
    }
    case kFmtFloat: {
      if (value.size() < 4) return 0.0;
      const float number = std::bit_cast<float>(static_cast<std::uint32_t>(CvtInt(value.first(4))));
      return std::isfinite(number) ? number : 0.0;
    }
    case kFmtDouble: {
      if (value.size() < 8) return 0.0;
      std::uint64_t bits = 0;
      for (std::size_t i = 0; i < 8; ++i) bits = (bits << 8) | value[BigEndian ? i : 7 - i];
      const double number = std::bit_cast<double>(bits);
      return std::isfinite(number) ? number : 0.0;
    }
    default:  // none, ASCII, UNDEFINED and unknown codes carry no number
      return 0.0;
  }
}

std::int32_t TImageInfo::CvtInt(std::span<const std::uint8_t> value) const {
  std::uint64_t accumulated = 0;
  const std::size_t n = value.size();
  for (std::size_t i = 0; i < n; ++i) accumulated = (accumulated << 8) | value[BigEndian ? i : n - 1 - i];
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(accumulated));
}

}  // namespace ql
