// Fuzz target: the JPEG section walk and the EXIF directory walk over bytes in memory, then the
// date and comment queries on what they recorded. Seeds (fuzz/corpus/exif_sections/) are the
// heads of the real camera files of tests/data/exif/jpeg-real, cut after the start-of-scan.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "exif/img_data.h"

namespace {

bool InTable(const ql::TimgData& reader, const ql::tSection* section) {
  return section == nullptr ||
         (section >= reader.SectionTable.data() && section < reader.SectionTable.data() + reader.SectionsRead);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ql::TimgData reader(0);
  ql::TByteStream stream(std::span<const std::uint8_t>(data, size));
  try {
    reader.ReadJpegSections(stream);
  } catch (const ql::TExifReadError&) {
    // IFD0 outside its section: the walk ends with failure, as for a file.
  }
  volatile double date = reader.ImageInfo ? reader.ImageInfo->GetImgDateTime() : 0.0;
  (void)date;
  const std::string comment = reader.GetCommentStr();

  // What the walk may leave: at most 20 slots, references into the filled ones, an ImageInfo
  // exactly with an EXIF section, a comment no longer than one section.
  if (reader.SectionsRead < 0 || reader.SectionsRead > ql::TimgData::kMaxSections) std::abort();
  if (!InTable(reader, reader.ExifSection) || !InTable(reader, reader.JfifSection) ||
      !InTable(reader, reader.IptcSection) || !InTable(reader, reader.CommentSection)) {
    std::abort();
  }
  if ((reader.ImageInfo != nullptr) != reader.HasEXIF()) std::abort();
  if (comment.size() > 65533) std::abort();
  if (stream.Position() > size) std::abort();
  return 0;
}
