#include "settings/startup.h"

#include <algorithm>
#include <string>

#include "job/string_table.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/int_conversion.h"
#include "settings/default_options.h"
#include "settings/settings_file.h"
#include "settings/settings_layout.h"

namespace ql {

namespace {

constexpr int kMaxBoxSize = 9999;    // four digits: width and height fields
constexpr int kMaxThumbSize = 999;   // three digits: thumbnail size field

}  // namespace

void PushOptionsToControls(TGalleryJob& job) {
  IWindowServices& ui = job.Ui();
  const TGalleryOptions& o = job.Options;
  ui.SetTrackBarQualityPosition(std::clamp(o.Quality, 1, 100));
  ui.SetTrackBarThumbQualityPosition(std::clamp(o.ThumbQuality, 1, 100));
  ui.SetMaskEditUserSizeText(std::to_string(std::clamp(o.maxThumbSize, 0, kMaxThumbSize)));
  ui.SetMaskEditMaxWidthText(std::to_string(std::clamp(o.maxWidth, 0, kMaxBoxSize)));
  ui.SetMaskEditMaxHeightText(std::to_string(std::clamp(o.maxHeight, 0, kMaxBoxSize)));
}

void CopyControlsToOptions(TGalleryJob& job) {
  IWindowServices& ui = job.Ui();
  job.Options.maxWidth = LeadingInt(ui.MaskEditMaxWidthText());
  job.Options.maxHeight = LeadingInt(ui.MaskEditMaxHeightText());
  job.Options.maxThumbSize = LeadingInt(ui.MaskEditUserSizeText());
  job.Options.Quality = ui.TrackBarQualityPosition();
  job.Options.ThumbQuality = ui.TrackBarThumbQualityPosition();
}

void ApplyStartUpSettings(TGalleryJob& job) {
  job.ProgramDir = CurrentDirectory();
  int loaded = -1;
  try {
    loaded = LoadSettingsFile(job, JoinPath(job.ProgramDir, kDefaultSettingsName));
  } catch (const TError& error) {
    // A malformed default file must not keep the program from starting: its reader changed
    // nothing, so the defaults below apply and the file stays for the user to mend.
    job.Ui().MessageBox(error.what(), "Error", MB_OK | MB_ICONHAND);
  }
  if (loaded != 0) SetDefaultOptions(job.Options);
  PushOptionsToControls(job);
  job.SourceDir = StringTableText(sNotChosenYet);
  job.DestDir = StringTableText(sNotChosenYet);
  job.Ui().SetEditSourceText(job.SourceDir);
  job.Ui().SetEditDestiText(job.DestDir);
}

}  // namespace ql
