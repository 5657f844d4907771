#include "exif/jpeg_builder.h"

#include <stdexcept>

namespace ql::test {

TBytes Bytes(std::string_view text) { return TBytes(text.begin(), text.end()); }

TBytes Concat(std::initializer_list<TBytes> parts) {
  TBytes out;
  for (const TBytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// --- TIFF -----------------------------------------------------------------------------------

TTiffBuilder::TTiffBuilder(bool bigEndian) : bigEndian_(bigEndian) { dirs_.emplace_back(); }

int TTiffBuilder::AddDirectory() {
  dirs_.emplace_back();
  return static_cast<int>(dirs_.size()) - 1;
}

TBytes TTiffBuilder::U16(std::uint16_t v) const {
  return bigEndian_ ? TBytes{std::uint8_t(v >> 8), std::uint8_t(v)} : TBytes{std::uint8_t(v), std::uint8_t(v >> 8)};
}

TBytes TTiffBuilder::U32(std::uint32_t v) const {
  TBytes b = {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
  if (!bigEndian_) std::swap(b[0], b[3]), std::swap(b[1], b[2]);
  return b;
}

TTiffBuilder& TTiffBuilder::Entry(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count, TBytes value) {
  dirs_.at(static_cast<std::size_t>(dir)).entries.push_back({tag, format, count, std::move(value)});
  return *this;
}

TTiffBuilder& TTiffBuilder::RawEntry(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                                     std::uint32_t field) {
  TEntry e{tag, format, count, {}};
  e.raw = true;
  e.field = field;
  dirs_.at(static_cast<std::size_t>(dir)).entries.push_back(e);
  return *this;
}

TTiffBuilder& TTiffBuilder::Short(int dir, std::uint16_t tag, std::uint16_t value) {
  return Entry(dir, tag, fmtShort, 1, U16(value));
}

TTiffBuilder& TTiffBuilder::Long(int dir, std::uint16_t tag, std::uint32_t value) {
  return Entry(dir, tag, fmtLong, 1, U32(value));
}

TTiffBuilder& TTiffBuilder::Rational(int dir, std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
  return Entry(dir, tag, fmtRational, 1, Concat({U32(numerator), U32(denominator)}));
}

TTiffBuilder& TTiffBuilder::Ascii(int dir, std::uint16_t tag, std::string_view text) {
  TBytes value = Bytes(text);
  value.push_back(0);
  const auto count = static_cast<std::uint32_t>(value.size());
  return Entry(dir, tag, fmtAscii, count, std::move(value));
}

TTiffBuilder& TTiffBuilder::Pointer(int dir, std::uint16_t tag, int target) { return Pointers(dir, tag, {target}); }

TTiffBuilder& TTiffBuilder::Pointers(int dir, std::uint16_t tag, std::vector<int> targets) {
  TEntry e{tag, fmtLong, static_cast<std::uint32_t>(targets.size()), {}};
  e.targets = std::move(targets);
  dirs_.at(static_cast<std::size_t>(dir)).entries.push_back(e);
  return *this;
}

std::size_t TTiffBuilder::ValueSize(const TEntry& e) const {
  if (e.raw) return 4;
  return e.targets.empty() ? e.value.size() : 4 * e.targets.size();
}

TTiffBuilder& TTiffBuilder::Next(int dir, int target) {
  dirs_.at(static_cast<std::size_t>(dir)).next = target;
  return *this;
}

TTiffBuilder& TTiffBuilder::Ifd0Offset(std::uint32_t offset) {
  ifd0Offset_ = offset;
  return *this;
}

TTiffBuilder& TTiffBuilder::CountField(int dir, std::uint16_t count) {
  dirs_.at(static_cast<std::size_t>(dir)).countField = count;
  return *this;
}

std::uint32_t TTiffBuilder::DirectoryOffset(int dir) const {
  std::uint32_t offset = 8;
  for (int d = 0; d < dir; ++d) offset += 2 + 12 * static_cast<std::uint32_t>(dirs_[static_cast<std::size_t>(d)].entries.size()) + 4;
  return offset;
}

std::uint32_t TTiffBuilder::DataOffset(int dir, int entry) const {
  std::uint32_t offset = DirectoryOffset(static_cast<int>(dirs_.size()));
  for (std::size_t d = 0; d < dirs_.size(); ++d) {
    for (std::size_t i = 0; i < dirs_[d].entries.size(); ++i) {
      const TEntry& e = dirs_[d].entries[i];
      const bool outOfLine = ValueSize(e) > 4;
      if (static_cast<int>(d) == dir && static_cast<int>(i) == entry) return outOfLine ? offset : 0;
      if (outOfLine) offset += static_cast<std::uint32_t>(ValueSize(e));
    }
  }
  throw std::out_of_range("no such entry");
}

std::int32_t TTiffBuilder::DirectoryPos(int dir) const { return 8 + static_cast<std::int32_t>(DirectoryOffset(dir)); }

std::int32_t TTiffBuilder::ValueFieldPos(int dir, int entry) const { return DirectoryPos(dir) + 2 + 12 * entry + 8; }

std::int32_t TTiffBuilder::ValuePos(int dir, int entry) const {
  const std::uint32_t offset = DataOffset(dir, entry);
  return offset ? 8 + static_cast<std::int32_t>(offset) : ValueFieldPos(dir, entry);
}

TBytes TTiffBuilder::Build() const {
  TBytes out = bigEndian_ ? Bytes("MM") : Bytes("II");
  const auto append = [&out](const TBytes& b) { out.insert(out.end(), b.begin(), b.end()); };
  append(U16(42));
  append(U32(ifd0Offset_ >= 0 ? static_cast<std::uint32_t>(ifd0Offset_) : DirectoryOffset(0)));
  TBytes data;
  for (std::size_t d = 0; d < dirs_.size(); ++d) {
    const TDirectory& dir = dirs_[d];
    append(U16(static_cast<std::uint16_t>(dir.countField >= 0 ? dir.countField : static_cast<int>(dir.entries.size()))));
    for (std::size_t i = 0; i < dir.entries.size(); ++i) {
      const TEntry& e = dir.entries[i];
      append(U16(e.tag));
      append(U16(e.format));
      append(U32(e.count));
      TBytes value = e.value;
      for (const int target : e.targets) {
        const TBytes offset = U32(DirectoryOffset(target));
        value.insert(value.end(), offset.begin(), offset.end());
      }
      if (e.raw) {
        append(U32(e.field));
      } else if (value.size() > 4) {
        append(U32(DataOffset(static_cast<int>(d), static_cast<int>(i))));
        data.insert(data.end(), value.begin(), value.end());
      } else {
        value.resize(4, 0);
        append(value);
      }
    }
    append(U32(dir.next >= 0 ? DirectoryOffset(dir.next) : 0));
  }
  append(data);
  return out;
}

TBytes TTiffBuilder::ExifPayload() const { return Concat({Bytes(std::string_view("Exif\0\0", 6)), Build()}); }

// --- JPEG -----------------------------------------------------------------------------------

TJpegBuilder::TJpegBuilder() : bytes_{0xFF, 0xD8} {}

TBytes Seg(std::uint8_t marker, const TBytes& payload) {
  const std::size_t length = payload.size() + 2;
  if (length > 0xFFFF) throw std::length_error("section too long");
  return Concat({{0xFF, marker, std::uint8_t(length >> 8), std::uint8_t(length)}, payload});
}

TJpegBuilder& TJpegBuilder::Segment(std::uint8_t marker, const TBytes& payload) { return Raw(Seg(marker, payload)); }

TJpegBuilder& TJpegBuilder::Raw(const TBytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

TJpegBuilder& TJpegBuilder::Jfif() {
  return Segment(0xE0, Concat({Bytes(std::string_view("JFIF\0", 5)), {1, 1, 0, 0, 1, 0, 1, 0, 0}}));
}

TJpegBuilder& TJpegBuilder::Exif(const TTiffBuilder& tiff) { return Segment(0xE1, tiff.ExifPayload()); }

TJpegBuilder& TJpegBuilder::Xmp() {
  return Segment(0xE1, Concat({Bytes(std::string_view("http://ns.adobe.com/xap/1.0/\0", 29)),
                               Bytes("<x:xmpmeta xmlns:x='adobe:ns:meta/'><exif:DateTimeOriginal>"
                                     "2001:01:01 01:01:01</exif:DateTimeOriginal></x:xmpmeta>")}));
}

TJpegBuilder& TJpegBuilder::Iptc(std::string_view text) {
  return Segment(0xED, Concat({Bytes(std::string_view("Photoshop 3.0\0", 14)), Bytes(text)}));
}

TJpegBuilder& TJpegBuilder::Comment(std::string_view text) { return Segment(0xFE, Bytes(text)); }

TJpegBuilder& TJpegBuilder::Dqt() {
  TBytes table(65, 1);
  table[0] = 0;  // 8-bit precision, table 0
  return Segment(0xDB, table);
}

TJpegBuilder& TJpegBuilder::Sof(int width, int height) {
  return Segment(0xC0, {8, std::uint8_t(height >> 8), std::uint8_t(height), std::uint8_t(width >> 8),
                        std::uint8_t(width), 1, 1, 0x11, 0});
}

TJpegBuilder& TJpegBuilder::Dht() { return Segment(0xC4, Concat({{0x00, 0, 1}, TBytes(14, 0), {0}})); }

TJpegBuilder& TJpegBuilder::Scan() {
  Segment(0xDA, {1, 1, 0, 0, 63, 0});
  // Entropy-coded data that would read as a COM section if the walk ever looked at it.
  return Raw({0x12, 0xFF, 0x00, 0x34, 0xFF, 0xFE, 0x00, 0x04, 'x', 'y', 0xFF, 0xD9});
}

}  // namespace ql::test
