// The conversion of one source image (JPEG or BMP) into one JPEG file that fits a box.
#pragma once

#include <string>

#include "job/job_context.h"

namespace ql {

// Writes DestDir/destName from SourceDir/sourceName: a copy that fits maxWidth × maxHeight with
// the aspect ratio kept, never enlarged, resampled with the kernel of `filterIndex` (0..6) and
// encoded at `quality`; an image that fits already is copied (JPEG) or re-encoded (BMP). The EXIF
// sections of the source are carried over when ctx.UseExif is set and `thumbnail` is false.
// Raises TFileError naming the file and the cause.
void ConvertImage(const TJobContext& ctx, const std::string& sourceName, const std::string& destName,
                  int quality, int maxWidth, int maxHeight, int filterIndex, bool thumbnail);

}  // namespace ql
