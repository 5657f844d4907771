// How a run ended, for front ends that report it (the command-line front end turns it into its
// exit status and summary line; the window shows nothing more).
#pragma once

#include <vector>

#include "html/gallery_pages.h"
#include "platform/errors.h"

namespace ql {

enum class TRunStatus {
  Completed,         // every image converted, every page written, the first page opened
  Declined,          // the user declined to write into the non-empty output folder
  SameFolder,        // the output folder is the input folder; nothing was written
  NoImages,          // the input folder holds no JPEG or BMP file, or cannot be listed
  Cancelled,         // Cancel ended the loop; no page was written
  PagesFailed,       // at least one page could not be written (message 5 was shown)
  BackgroundFailed,  // the pages are written, but a background image could not be copied
};

struct TRunOutcome {
  TRunStatus Status = TRunStatus::NoImages;
  int Images = 0;     // n, the images found
  int Processed = 0;  // images whose step of the loop ran
  int LeftOut = 0;    // matching files beyond the table's capacity
  TPageWriteReport Pages;
  std::vector<TFileError> BackgroundFailures;
};

}  // namespace ql
