#include "job/source_scan.h"

#include <algorithm>

#include "exif/img_data.h"
#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace ql {

bool IsSourceExtension(std::string_view extension) {
  const std::string lower = AsciiLowerCase(extension);
  return lower == ".jpg" || lower == ".jpeg" || lower == ".bmp";
}

namespace {

std::int32_t DateKey(const std::string& path, std::time_t mtime, bool useExif, TimgData& exifData) {
  if (useExif && exifData.ProcessFile(path) && exifData.HasEXIF()) {
    return PackDosDateTime(exifData.ImageInfo ? exifData.ImageInfo->GetImgDateTime() : TDateTime{0});
  }
  return PackDosDateTime(LocalDateTimeOf(mtime));
}

}  // namespace

TScanResult ScanSourceFolder(const std::string& sourceDir, bool useExif, TimgData& exifData, TImageTable& images) {
  TScanResult result;
  const auto entries = ListRegularFiles(sourceDir);
  if (!entries) return result;
  const int capacity = std::min<int>(MaxImages, static_cast<int>(images.size()));
  for (const TDirEntry& entry : *entries) {
    const std::string_view extension = ExtractFileExt(entry.Name);
    if (!IsSourceExtension(extension)) continue;
    if (result.Count == capacity) {
      ++result.LeftOut;
      continue;
    }
    TSourceImage& row = images[static_cast<std::size_t>(result.Count++)];
    row.FileName = entry.Name;
    row.Extension = std::string(extension);
    row.Timestamp = DateKey(JoinPath(sourceDir, entry.Name), entry.MTime, useExif, exifData);
  }
  return result;
}

}  // namespace ql
