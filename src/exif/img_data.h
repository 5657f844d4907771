// The metadata reader: the head sections of a JPEG file up to the first start-of-scan, of which
// it records the EXIF block (APP1), the JFIF header (APP0), the IPTC block (APP13) and the
// comment (COM); the EXIF recording date and the comment; and the carry-over of those sections
// into a newly encoded image.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "exif/byte_stream.h"
#include "exif/encoded_image.h"
#include "exif/end_ind.h"
#include "exif/image_info.h"
#include "platform/date_time.h"

namespace ql {

// One section as read: Bytes from the length field on (two big-endian length bytes, then the
// payload), exactly Length bytes; Marker is the byte after 0xFF.
struct tSection {
  TByteString Bytes;
  std::int32_t Marker = 0;
  std::int32_t Length = 0;
};
using pSection = tSection*;

// JPEG marker codes the reader acts on.
enum : std::uint8_t {
  kMarkerSOI = 0xD8,
  kMarkerEOI = 0xD9,
  kMarkerSOS = 0xDA,
  kMarkerAPP0 = 0xE0,
  kMarkerAPP1 = 0xE1,
  kMarkerAPP13 = 0xED,
  kMarkerCOM = 0xFE,
};

class TimgData : public tEndInd {
 public:
  static constexpr int kSectionSlots = 21;
  static constexpr int kMaxSections = 20;

  explicit TimgData(std::int32_t buildCode = 0);
  ~TimgData() override;
  // The section references point into this object's own table.
  TimgData(const TimgData&) = delete;
  TimgData& operator=(const TimgData&) = delete;

  // Forgets the last file: no section recorded, no ImageInfo, byte order "II".
  void reset();
  // Reads the metadata of one file (".jpg", ".jpeg" or ".jpe" in any letter case; any other
  // name is not opened). Never raises; every failure is false.
  bool ProcessFile(const std::string& fileName);
  // Opens the file and walks its sections; an error inside the walk gives false. Raises
  // TFileError when the file cannot be opened.
  bool ReadJpegFile(const std::string& fileName);
  // The section walk over an open stream; gives HasMetaData, or false for a stream that is not
  // a JPEG, a length field below 2, or no metadata among the first four sections. Raises
  // TExifReadError when IFD0 of an EXIF section cannot be read, TFileError on an I/O error.
  bool ReadJpegSections(TByteStream& stream);
  // Walks the TIFF directories of ExifSection into ImageInfo.
  void ProcessEXIF();

  // ProcessFile, then HasMetaData.
  bool ReadExifInfo(const std::string& fileName);

  // Writes `image` to `fileName` behind the recorded sections of the last file processed, the
  // EXIF dimensions brought up to the image's size when `adjustSize` is set. The image is
  // encoded first and the file written in one piece: a failure raises and leaves no file behind
  // (a file of that name keeps its old content).
  void WriteEXIFJpeg(IEncodedImage& image, const std::string& fileName, bool adjustSize);
  // The bytes WriteEXIFJpeg writes.
  TByteString ComposeExifJpeg(IEncodedImage& image, bool adjustSize);
  // Appends the start-of-image and the recorded sections (or a fixed JFIF header) to `stream`;
  // returns the number of bytes appended after the start-of-image.
  std::int32_t SaveExif(TByteString& stream) const;

  bool HasMetaData() const { return ExifSection || CommentSection || IptcSection; }
  bool HasEXIF() const { return ExifSection != nullptr; }
  bool HasComment() const { return CommentSection != nullptr; }
  bool HasIPTC() const { return IptcSection != nullptr; }
  // The payload of the comment section, every byte as read; empty without one.
  std::string GetCommentStr() const;

  std::array<tSection, kSectionSlots> SectionTable;  // slot number n is SectionTable[n - 1]
  std::int32_t SectionsRead = 0;
  pSection ExifSection = nullptr;
  pSection JfifSection = nullptr;     // the last APP0
  pSection IptcSection = nullptr;     // the first APP13
  pSection CommentSection = nullptr;  // the last COM
  std::int32_t BuildCode;
  std::unique_ptr<TImageInfo> ImageInfo;  // set only while an EXIF section is recorded
};

// The fixed JFIF 1.02 header written when the source had neither an EXIF block nor a JFIF
// header: marker, length 16, "JFIF\0", version 1.02, dots per inch, 300 x 300, no thumbnail.
inline constexpr std::array<std::uint8_t, 18> kFixedJfifHeader = {
    0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x02, 0x01, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x00};

// Where the copy of an encoder's output begins: after its start-of-image and after a leading
// APP0, APP1, APP13 and COM section, looked for in that order once each. Raises TError when a
// section found there runs past the end of the output.
std::size_t EncodedImageOffset(std::span<const std::uint8_t> encoded);

}  // namespace ql
