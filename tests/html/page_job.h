// A page-writer job for tests: the members that a TJobContext refers to, with the default
// options and n images named w1 ... wn unless a test sets others.
#pragma once

#include <string>
#include <vector>

#include "exif/img_data.h"
#include "job/job_context.h"
#include "settings/default_options.h"

namespace ql::test {

struct TPageJob {
  explicit TPageJob(std::string destDir, int n = 0) : DestDir(std::move(destDir)) {
    SetDefaultOptions(Options);
    for (int i = 1; i <= n; ++i) Images.push_back({"W" + std::to_string(i) + ".jpg", ".jpg", 0, "w" + std::to_string(i)});
  }

  TJobContext Context() {
    return {SourceDir, DestDir, Options, Images, ExifData, false, BackgroundWebName, BackgroundWebNameImages, {}};
  }

  std::string SourceDir = "/nonexistent-source";
  std::string DestDir;
  TGalleryOptions Options;
  std::vector<TSourceImage> Images;
  TimgData ExifData{0};
  std::string BackgroundWebName;
  std::string BackgroundWebNameImages;
};

}  // namespace ql::test
