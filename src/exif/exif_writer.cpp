// The carry-over writer: a new JPEG file made of the start-of-image, the source's EXIF block
// with its dimensions patched (or its JFIF header, or a fixed one), its IPTC block and comment,
// then the encoder's output after its own start-of-image and leading header sections.
#include "exif/img_data.h"
#include "platform/atomic_write.h"

namespace ql {

namespace {

void AppendSection(TByteString& out, const tSection& section) {
  out.push_back(0xFF);
  out.push_back(static_cast<std::uint8_t>(section.Marker));
  out.insert(out.end(), section.Bytes.begin(), section.Bytes.end());
}

}  // namespace

std::size_t EncodedImageOffset(std::span<const std::uint8_t> encoded) {
  std::size_t k = 2;  // past the start-of-image
  for (const std::uint8_t code : {kMarkerAPP0, kMarkerAPP1, kMarkerAPP13, kMarkerCOM}) {
    // The byte at k is taken to be 0xFF; only the code after it is compared.
    if (k + 1 >= encoded.size() || encoded[k + 1] != code) continue;
    if (k + 3 >= encoded.size()) throw TError("encoded image: header section cut short");
    k += encoded[k + 2] * 256u + encoded[k + 3] + 2u;
  }
  if (k > encoded.size()) throw TError("encoded image: header section runs past the end of the data");
  return k;
}

std::int32_t TimgData::SaveExif(TByteString& stream) const {
  stream.push_back(0xFF);
  stream.push_back(kMarkerSOI);
  const std::size_t afterSoi = stream.size();
  if (ExifSection) {
    AppendSection(stream, *ExifSection);
  } else if (JfifSection) {
    AppendSection(stream, *JfifSection);
  } else {
    stream.insert(stream.end(), kFixedJfifHeader.begin(), kFixedJfifHeader.end());
  }
  if (IptcSection) AppendSection(stream, *IptcSection);
  if (CommentSection) AppendSection(stream, *CommentSection);
  return static_cast<std::int32_t>(stream.size() - afterSoi);
}

TByteString TimgData::ComposeExifJpeg(IEncodedImage& image, bool adjustSize) {
  // Encode first: a failing encoder leaves the reader's sections and the disk untouched.
  const std::vector<std::uint8_t> encoded = image.EncodeToMemory();
  const std::size_t k = EncodedImageOffset(encoded);
  if (adjustSize && ImageInfo) ImageInfo->AdjExifSize(image.Height(), image.Width());
  TByteString out;
  out.reserve(encoded.size() - k + 64 * 1024);
  SaveExif(out);
  out.insert(out.end(), encoded.begin() + static_cast<std::ptrdiff_t>(k), encoded.end());
  return out;
}

void TimgData::WriteEXIFJpeg(IEncodedImage& image, const std::string& fileName, bool adjustSize) {
  WriteFileAtomic(fileName, ComposeExifJpeg(image, adjustSize));
}

void TImageInfo::AdjExifSize(std::int32_t newHeight, std::int32_t newWidth) {
  if (Height <= 0 || Width <= 0) return;  // the block did not state both dimensions
  if (newWidth == Width && newHeight == Height) return;
  PatchDimension(HeightPos, newHeight);
  PatchDimension(WidthPos, newWidth);
  // Width and Height keep the source's numbers, so a second write patches the same way.
}

void TImageInfo::PatchDimension(std::int32_t valueField, std::int32_t value) {
  if (!Reader || !Reader->ExifSection) return;
  TByteString& bytes = Reader->ExifSection->Bytes;
  // The entry around its value field: format at valueField - 6, count at valueField - 4.
  const std::int64_t entryFormat = static_cast<std::int64_t>(valueField) - 6;
  if (!InBounds(entryFormat, 6, Reader->Buffer.size())) return;
  const std::uint16_t format = Reader->Get16u(static_cast<std::int32_t>(entryFormat));
  const std::uint32_t count = Reader->Get32u(static_cast<std::int32_t>(entryFormat + 2));
  // Only a value held in the field itself is replaced: a RATIONAL's field holds an offset, and a
  // BYTE or FLOAT would take the number in the wrong form.
  if (count != 1) return;
  if (format == kFmtShort || format == kFmtSShort) {
    Reader->WriteInt16(bytes, value, valueField);  // the other two bytes of the field stay
  } else if (format == kFmtLong || format == kFmtSLong) {
    Reader->WriteInt32(bytes, value, valueField);
  }
}

}  // namespace ql
