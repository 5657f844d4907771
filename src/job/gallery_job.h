// The state of a gallery job and the operations on it: the two folders, the metadata reader,
// the options, the image table, and the handlers that accept typed folders. The window and the
// command-line front end each own one and reach it through the window-services interface.
#pragma once

#include <functional>
#include <string>

#include "exif/img_data.h"
#include "job/gallery_options.h"
#include "job/job_context.h"
#include "job/run_outcome.h"
#include "job/source_image.h"
#include "platform/window_services.h"

namespace ql {

// The two steps a run delegates: the conversion of one image and the writing of all pages.
// They are the real ones unless a test puts its own in.
struct TRunSteps {
  std::function<void(const TJobContext& ctx, const std::string& sourceName, const std::string& destName,
                     int quality, int maxWidth, int maxHeight, int filterIndex, bool thumbnail)>
      ConvertImage;
  std::function<int(const TJobContext& ctx, int n, TPageWriteReport* report)> WriteGalleryPages;
};

class TGalleryJob {
 public:
  // Creates the job objects: empty folders, the metadata reader with build code 0, options
  // without values, and the image table of MaxImages empty rows. The front end then applies the
  // start-up settings.
  explicit TGalleryJob(IWindowServices& ui);
  TGalleryJob(const TGalleryJob&) = delete;
  TGalleryJob& operator=(const TGalleryJob&) = delete;

  // The focus leaves EditSource: a typed folder that exists becomes SourceDir, any other text is
  // replaced by SourceDir again; the run button follows.
  void EditSourceExit();
  // The focus leaves EditDesti: a typed folder that exists becomes DestDir; a missing one is
  // created with its parents after a question, or the field gets DestDir back.
  void EditDestiExit();
  // False when `path` holds entries and the user declined to write into it (when `ask` is set).
  bool CheckFolderEmpty(const std::string& path, bool ask);

  // The run: converts every image of the input folder, writes the pages and opens the first
  // index page. Errors raised by a conversion pass to the caller after the progress dialog is
  // gone and the cursor is normal again.
  TRunOutcome RunGallery();

  IWindowServices& Ui() { return ui_; }

  std::string SourceDir;
  std::string DestDir;
  TimgData ExifData{0};
  TGalleryOptions Options;
  TImageTable Images;
  std::string BackgroundWebName;
  std::string BackgroundWebNameImages;
  std::string ProgramDir;  // the current directory at start-up; home of default.qvl
  TRunSteps Steps;

 private:
  void UpdateRunButtonFor(const std::string& otherFolder);
  IWindowServices& ui_;
};

}  // namespace ql
