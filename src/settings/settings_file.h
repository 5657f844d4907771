// The settings file (.qvl): every value on the line after its key line.
#pragma once

#include <string>

#include "job/gallery_job.h"

namespace ql {

// Reads `path` into job.Options, the sort order, the folders, the run button and the quality and
// size controls. Returns -1 when no file of that name exists (nothing changes) and 0 after a
// complete read. A file that cannot be read, is larger than any settings file or does not
// convert raises TFileError naming the file and the cause (for a line: its number and its
// text); nothing changes then.
int LoadSettingsFile(TGalleryJob& job, const std::string& path);

// Writes job.Options, the sort order and the texts of the two folder fields to `path`. Returns 0
// when the file was written, 1 when it could not be; a previous file of that name is then kept.
int SaveSettingsFile(TGalleryJob& job, const std::string& path);

}  // namespace ql
