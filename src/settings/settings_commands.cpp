#include "settings/settings_commands.h"

#include "job/string_table.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "settings/settings_layout.h"
#include "settings/startup.h"

namespace ql {

namespace {

void ShowError(TGalleryJob& job, const std::string& text) { job.Ui().MessageBox(text, "Error", MB_OK | MB_ICONHAND); }

bool Save(TGalleryJob& job, const std::string& path) {
  if (SaveSettingsFile(job, path) == 0) return true;
  ShowError(job, StringTableText(sCouldNotSave));
  return false;
}

}  // namespace

bool LoadSettingsCommand(TGalleryJob& job, const TChooseSettingsFile& chooseFile) {
  const std::optional<std::string> path = chooseFile({job.ProgramDir, std::string(kSettingsFilter), ""});
  if (!path) return false;
  try {
    if (LoadSettingsFile(job, *path) == 0) return true;
    ShowError(job, StringTableText(sNotAValidSettingsFile));
  } catch (const TError& error) {
    ShowError(job, error.what());
  }
  return false;
}

bool SaveSettingsCommand(TGalleryJob& job, const TChooseSettingsFile& chooseFile) {
  CopyControlsToOptions(job);
  const std::optional<std::string> path =
      chooseFile({job.ProgramDir, std::string(kSettingsFilter), std::string(kSettingsDefaultExt)});
  if (!path) return false;
  return Save(job, WithDefaultExtension(*path));
}

bool SaveAsDefaultCommand(TGalleryJob& job) {
  CopyControlsToOptions(job);
  return Save(job, JoinPath(job.ProgramDir, kDefaultSettingsName));
}

std::string WithDefaultExtension(std::string_view name) {
  std::string result(name);
  if (ExtractFileExt(name).empty()) result += ".qvl";
  return result;
}

}  // namespace ql
