// The section walk: the marker sections at the head of a JPEG file, up to the first
// start-of-scan, at most 20 of them. The entropy-coded data after the start-of-scan is never
// read.
#include <algorithm>
#include <cstring>

#include "exif/img_data.h"
#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace ql {

namespace {

// An EXIF APP1 payload begins with "Exif" and a zero byte (EXIF 2.3, 4.5.4); any other APP1
// (an XMP packet, most often) is not an EXIF block.
bool IsExifPayload(const tSection& section) {
  static constexpr std::uint8_t kHeader[5] = {'E', 'x', 'i', 'f', 0};
  return section.Bytes.size() >= 7 && std::memcmp(section.Bytes.data() + 2, kHeader, sizeof kHeader) == 0;
}

bool IsJpegName(const std::string& fileName) {
  const std::string ext = AsciiLowerCase(ExtractFileExt(fileName));
  return ext == ".jpg" || ext == ".jpeg" || ext == ".jpe";
}

}  // namespace

TimgData::TimgData(std::int32_t buildCode) : BuildCode(buildCode) { reset(); }

TimgData::~TimgData() = default;

void TimgData::reset() {
  SectionsRead = 0;
  ExifSection = JfifSection = IptcSection = CommentSection = nullptr;
  ImageInfo.reset();
  BigEndian = false;
  Buffer.clear();
}

bool TimgData::ProcessFile(const std::string& fileName) {
  reset();
  // Not opening anything but a regular file also keeps a FIFO from blocking the walk.
  if (!RegularFileExists(fileName)) return false;
  if (!IsJpegName(fileName)) return false;
  try {
    return ReadJpegFile(fileName);
  } catch (const TFileError&) {  // the file cannot be opened
    return false;
  }
}

bool TimgData::ReadJpegFile(const std::string& fileName) {
  TByteStream stream(fileName);
  try {
    return ReadJpegSections(stream);
  } catch (const TError&) {  // the read error of IFD0, or the file failing to read
    return false;
  }
}

bool TimgData::ReadJpegSections(TByteStream& stream) {
  std::uint8_t first = 0, second = 0;
  if (!stream.GetByte(first) || !stream.GetByte(second) || first != 0xFF || second != kMarkerSOI) return false;
  SectionsRead = 0;
  while (SectionsRead < kMaxSections) {
    // Any number of 0xFF fill bytes may stand before a marker code (ITU T.81, B.1.1.2); a code
    // right after the previous section is taken without one.
    std::uint8_t marker = 0xFF;
    while (marker == 0xFF) {
      if (!stream.GetByte(marker)) return HasMetaData();
    }
    // The length field counts its own two bytes. A section the end of the file cuts short is
    // neither filled nor counted.
    std::uint8_t hi = 0, lo = 0;
    if (!stream.GetByte(hi) || !stream.GetByte(lo)) return HasMetaData();
    const std::int32_t length = hi * 256 + lo;
    if (length < 2) return false;
    tSection& slot = SectionTable[static_cast<std::size_t>(SectionsRead)];
    slot.Bytes.resize(static_cast<std::size_t>(length));
    slot.Bytes[0] = hi;
    slot.Bytes[1] = lo;
    if (!stream.Read(slot.Bytes.data() + 2, static_cast<std::size_t>(length - 2))) return HasMetaData();
    slot.Marker = marker;
    slot.Length = length;
    ++SectionsRead;

    // A file with no metadata among its first four sections is given up.
    if (SectionsRead == 5 && !HasMetaData()) return false;

    switch (marker) {
      case kMarkerEOI:
      case kMarkerSOS:
        return HasMetaData();
      case kMarkerAPP0:
        JfifSection = &slot;
        break;
      case kMarkerAPP1:
        if (SectionsRead > 5) {  // beyond the fifth section an APP1 is dropped; the next reuses its slot
          --SectionsRead;
          break;
        }
        if (!IsExifPayload(slot)) break;  // an XMP packet or the like fills its slot only
        ExifSection = &slot;
        ImageInfo = std::make_unique<TImageInfo>(*this, BuildCode);
        SetDataBuff(slot.Bytes);
        ProcessEXIF();
        break;
      case kMarkerAPP13:
        if (!IptcSection) IptcSection = &slot;
        break;
      case kMarkerCOM:
        CommentSection = &slot;
        break;
      default:
        break;
    }
  }
  return HasMetaData();
}

}  // namespace ql
