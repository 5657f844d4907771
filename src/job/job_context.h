// What a conversion and the page writer receive from the job: the two folders, the options, the
// image table, the metadata reader, the state of the EXIF check box, the names of the background
// copies and the dispatch of pending window messages.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "job/gallery_options.h"
#include "job/source_image.h"

namespace ql {

class TimgData;

struct TJobContext {
  const std::string& SourceDir;
  const std::string& DestDir;
  const TGalleryOptions& Options;
  std::span<const TSourceImage> Images;  // the whole image table; a run uses rows 0 to n-1
  TimgData& ExifData;
  bool UseExif;  // "use EXIF fileinfo if possible" is ticked
  const std::string& BackgroundWebName;
  const std::string& BackgroundWebNameImages;
  std::function<void()> ProcessMessages;  // dispatch of pending window messages
};

}  // namespace ql
