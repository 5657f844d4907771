#include "settings/startup.h"

#include <string>

#include "job/string_table.h"
#include "platform/file_system.h"
#include "platform/int_conversion.h"
#include "settings/default_options.h"

namespace ql {

void PushOptionsToControls(TGalleryJob& job) {
  IWindowServices& ui = job.Ui();
  ui.SetTrackBarQualityPosition(job.Options.Quality);
  ui.SetTrackBarThumbQualityPosition(job.Options.ThumbQuality);
  ui.SetMaskEditUserSizeText(std::to_string(job.Options.maxThumbSize));
  ui.SetMaskEditMaxWidthText(std::to_string(job.Options.maxWidth));
  ui.SetMaskEditMaxHeightText(std::to_string(job.Options.maxHeight));
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
  SetDefaultOptions(job.Options);
  PushOptionsToControls(job);
  job.SourceDir = StringTableText(sNotChosenYet);
  job.DestDir = StringTableText(sNotChosenYet);
  job.Ui().SetEditSourceText(job.SourceDir);
  job.Ui().SetEditDestiText(job.DestDir);
}

}  // namespace ql
