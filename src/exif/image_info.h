// The directory store of one EXIF block: what the walk over its TIFF directories records (the
// positions of the three date-time values, the image width and height and the positions of their
// value fields), the recording date taken from it, and the patch of the dimensions.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "exif/end_ind.h"
#include "platform/date_time.h"

namespace ql {

class TimgData;

// TIFF field types (TIFF 6.0, EXIF 2.3).
enum TExifFormat : std::uint16_t {
  kFmtByte = 1,
  kFmtAscii = 2,
  kFmtShort = 3,
  kFmtLong = 4,
  kFmtRational = 5,
  kFmtSByte = 6,
  kFmtUndefined = 7,
  kFmtSShort = 8,
  kFmtSLong = 9,
  kFmtSRational = 10,
  kFmtFloat = 11,
  kFmtDouble = 12,
};

// Bytes per value of a format code; 0 for code 0 and for codes above 12.
int BytesPerFormat(std::uint32_t format);

// The nearest 32-bit integer, a half going to the even neighbour; 0 for a value that is not
// finite or lies outside the 32-bit range.
std::int32_t RoundToInt32(double value);

class TImageInfo : public tEndInd {
 public:
  // Limits of the walk over sub-directories: how deep pointers may nest (IFD0 counted), and
  // how many directories one block may enter in all.
  static constexpr int kMaxDepth = 8;
  static constexpr int kMaxDirectories = 64;

  TImageInfo(TimgData& reader, std::int32_t buildCode) : Reader(&reader), BuildCode(buildCode) {}

  // Walks the directory at `start` and the sub-directories it points to. `base` turns a TIFF
  // offset into a position; base + length is the end of the block. Raises TExifReadError when
  // the entry count at `start` lies outside the buffer; a read error below a sub-directory
  // pointer ends only that sub-walk.
  void ProcessExifDir(std::int32_t start, std::int32_t base, std::int32_t length);
  // The number a value holds in the given format (see the table in the .cpp).
  double GetNumber(std::span<const std::uint8_t> value, std::uint32_t format) const;
  // All bytes as one integer in the byte order, its low 32 bits.
  std::int32_t CvtInt(std::span<const std::uint8_t> value) const;

  // The recording date: DateTime, else DateTimeOriginal, else DateTimeDigitized, whichever was
  // recorded first in that order; 0 when none was or the chosen one does not parse.
  TDateTime GetImgDateTime() const;
  // The date text of 19 bytes at `position` of the reader's EXIF section, as a date-time.
  TDateTime ExtrDateTime(std::int32_t position) const;
  // "YYYY:MM:DD HH:MM:SS" (separators not tested) as a date-time; 0 when it is not valid.
  static TDateTime ExifDateToDateTime(std::string_view text);

  // Writes the new size into the reader's EXIF section at HeightPos and WidthPos, when the block
  // stated both dimensions and the size changed. Only a dimension whose entry holds one SHORT,
  // SSHORT, LONG or SLONG is patched; any other entry keeps its bytes.
  void AdjExifSize(std::int32_t newHeight, std::int32_t newWidth);

  TimgData* Reader;  // not owned
  std::int32_t BuildCode;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t WidthPos = 0;
  std::int32_t HeightPos = 0;
  std::int32_t DateTimePos = 0;
  std::int32_t DateTimeOriginalPos = 0;
  std::int32_t DateTimeDigitizedPos = 0;

 private:
  void ActOnEntry(std::int32_t entry, std::int32_t base, std::int32_t length);
  void FollowPointer(std::int32_t valuePos, std::int32_t base, std::int32_t length);
  void PatchDimension(std::int32_t valueField, std::int32_t value);

  std::vector<std::int32_t> walkPath_;  // directories being walked, IFD0 first
  int directoriesEntered_ = 0;
};

}  // namespace ql
