// Builders of JPEG heads and EXIF blocks for the tests, so that each case shows its bytes: a
// JPEG made segment by segment, and a TIFF structure of directories in "II" or "MM" order whose
// offsets are laid out by the builder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ql::test {

using TBytes = std::vector<std::uint8_t>;

TBytes Bytes(std::string_view text);
TBytes Concat(std::initializer_list<TBytes> parts);
// 0xFF, the marker, a correct length field and the payload.
TBytes Seg(std::uint8_t marker, const TBytes& payload);

// TIFF tags and formats the tests use.
enum : std::uint16_t {
  tagImageWidth = 0x0100,
  tagImageLength = 0x0101,
  tagDateTime = 0x0132,
  tagSubIFDs = 0x014A,
  tagExifOffset = 0x8769,
  tagGPSInfo = 0x8825,
  tagDateTimeOriginal = 0x9003,
  tagDateTimeDigitized = 0x9004,
  tagUserComment = 0x9286,
  tagExifImageWidth = 0xA002,
  tagExifImageLength = 0xA003,
  tagInteropOffset = 0xA005,
};
enum : std::uint16_t {
  fmtByte = 1, fmtAscii = 2, fmtShort = 3, fmtLong = 4, fmtRational = 5, fmtSByte = 6, fmtUndefined = 7,
  fmtSShort = 8, fmtSLong = 9, fmtSRational = 10, fmtFloat = 11, fmtDouble = 12,
};

class TTiffBuilder {
 public:
  explicit TTiffBuilder(bool bigEndian);

  // A new directory; directory 0 is IFD0, made by the constructor. Directories are laid out in
  // the order they were made, right after the 8-byte header, then the values that do not fit
  // into their entries, in entry order.
  int AddDirectory();

  // Entries, in file order as added. Value bytes are given in the block's byte order; up to 4
  // bytes stand in the entry (padded with zeros), more go out of line.
  TTiffBuilder& Entry(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count, TBytes value);
  // An entry whose value field holds `field` as it is (an offset anywhere, or nowhere).
  TTiffBuilder& RawEntry(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count, std::uint32_t field);
  TTiffBuilder& Short(int dir, std::uint16_t tag, std::uint16_t value);
  TTiffBuilder& Long(int dir, std::uint16_t tag, std::uint32_t value);
  TTiffBuilder& Rational(int dir, std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator);
  // ASCII text with its closing zero byte.
  TTiffBuilder& Ascii(int dir, std::uint16_t tag, std::string_view text);
  // A LONG pointer to another directory; with several targets, a list of LONG pointers.
  TTiffBuilder& Pointer(int dir, std::uint16_t tag, int target);
  TTiffBuilder& Pointers(int dir, std::uint16_t tag, std::vector<int> targets);

  // The link to the next directory (IFD1 after IFD0).
  TTiffBuilder& Next(int dir, int target);
  // The IFD0 offset in the header, instead of IFD0's real offset.
  TTiffBuilder& Ifd0Offset(std::uint32_t offset);
  // The entry count written for a directory, instead of its real one.
  TTiffBuilder& CountField(int dir, std::uint16_t count);

  // The TIFF bytes, from the byte-order mark on.
  TBytes Build() const;
  // "Exif\0\0" and the TIFF bytes: an APP1 payload.
  TBytes ExifPayload() const;

  // Positions in the EXIF section (counted from its first length byte; TIFF offset t is 8 + t).
  std::int32_t DirectoryPos(int dir) const;
  std::int32_t ValueFieldPos(int dir, int entry) const;
  // Position of an out-of-line value.
  std::int32_t ValuePos(int dir, int entry) const;

  TBytes U16(std::uint16_t v) const;
  TBytes U32(std::uint32_t v) const;

 private:
  struct TEntry {
    std::uint16_t tag, format;
    std::uint32_t count;
    TBytes value;
    bool raw = false;
    std::uint32_t field = 0;
    std::vector<int> targets = {};  // pointers to these directories
  };
  std::size_t ValueSize(const TEntry& e) const;
  struct TDirectory {
    std::vector<TEntry> entries;
    int next = -1;
    int countField = -1;
  };
  std::uint32_t DirectoryOffset(int dir) const;
  std::uint32_t DataOffset(int dir, int entry) const;  // 0 when the value is in the entry

  bool bigEndian_;
  std::vector<TDirectory> dirs_;
  long ifd0Offset_ = -1;
};

// A JPEG head built section by section, starting with the start-of-image.
class TJpegBuilder {
 public:
  TJpegBuilder();
  // 0xFF, the marker and a section with a correct length field.
  TJpegBuilder& Segment(std::uint8_t marker, const TBytes& payload);
  // Bytes as they are.
  TJpegBuilder& Raw(const TBytes& bytes);
  TJpegBuilder& Jfif();                         // APP0 "JFIF\0" 1.01, length 16
  TJpegBuilder& Exif(const TTiffBuilder& tiff);  // APP1 "Exif\0\0" + TIFF
  TJpegBuilder& Xmp();                          // APP1 with an XMP packet
  TJpegBuilder& Iptc(std::string_view text);    // APP13 "Photoshop 3.0\0" + text
  TJpegBuilder& Comment(std::string_view text);  // COM
  TJpegBuilder& Dqt();
  TJpegBuilder& Sof(int width = 16, int height = 16);
  TJpegBuilder& Dht();
  // Start-of-scan header, entropy-coded bytes and the end-of-image.
  TJpegBuilder& Scan();

  const TBytes& Get() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  TBytes bytes_;
};

}  // namespace ql::test
