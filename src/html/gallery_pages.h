// The page writer: the thumbnail index pages and one page per image.
#pragma once

#include <string>
#include <vector>

#include "job/job_context.h"

namespace ql {

struct TPageFailure {
  std::string File;    // the page's full path
  std::string Reason;  // why it could not be written
};

// What a call of WriteGalleryPages did, for the run's report.
struct TPageWriteReport {
  int IndexPages = 0;  // index pages attempted
  int ImagePages = 0;  // image pages attempted
  std::vector<TPageFailure> Failures;
};

// Writes page1.htm ... and img1.htm ... img<n>.htm into ctx.DestDir for rows 0 to n-1 of
// ctx.Images (n >= 1). Returns 0 when every page was written, 1 when at least one failed; the
// remaining pages are still attempted. `report`, when given, receives the counts and failures.
int WriteGalleryPages(const TJobContext& ctx, int n, TPageWriteReport* report = nullptr);

}  // namespace ql
