// Reading the text of a settings file into a new options record, the sort order and the two
// folders, without touching the job: the whole text converts, or nothing is taken from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "job/gallery_options.h"

namespace ql {

// What a settings file holds. A file of the earlier layout ends after the third code block: it
// has no image-page settings of its own, no sort order and no folders.
struct TSettingsContent {
  TGalleryOptions Options;
  bool EarlierLayout = false;
  bool HasSortAndFolders = false;  // the file goes on after the image-page colours
  std::int32_t SortIndex = 0;      // as written; the radio group limits it to -1..3
  std::string SourcePath;          // the text of the input folder field, verbatim
  std::string DestPath;            // the text of the output folder field, verbatim
};

// Parses the bytes of a settings file. The options start as a copy of `current`, which keeps
// what the file does not hold (UseNamesImages; ImageFileImages in the earlier layout). Bytes
// that are not valid UTF-8 are read as Windows-1252. Values are found by their line positions;
// key lines are never looked at. Raises TFileError naming `fileName`, the line and the cause
// ("line 24: 'abc' is not a number", "line 157: the file ends here, a value was expected"), or
// the file's size when it has more lines than any settings file.
TSettingsContent ParseSettingsText(std::string_view bytes, const TGalleryOptions& current,
                                   const std::string& fileName);

}  // namespace ql
