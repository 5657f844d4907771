// The three settings commands of the main window: Load Settings, Save Settings and Save as
// Default. The window supplies the file dialogs; everything else the commands do is here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "job/gallery_job.h"

namespace ql {

inline constexpr std::string_view kSettingsFilter = "QuorvaLinde INI-Files (*.qvl)|*.qvl";
inline constexpr std::string_view kSettingsDefaultExt = "*.qvl";

// What a settings file dialog is opened with.
struct TSettingsFileDialog {
  std::string InitialDir;  // ProgramDir
  std::string Filter;      // kSettingsFilter: description, "|", pattern
  std::string DefaultExt;  // kSettingsDefaultExt for the save dialog; empty for the open dialog
};

// Shows a file dialog and answers the chosen file name, or nullopt when the user cancelled.
using TChooseSettingsFile = std::function<std::optional<std::string>(const TSettingsFileDialog&)>;

// Load Settings: the open dialog, then the chosen file is loaded. A missing file shows "Selected
// File is not a valid QuorvaLinde INI-File!", a malformed one its error text (caption "Error");
// nothing changes then. True when a file was loaded.
bool LoadSettingsCommand(TGalleryJob& job, const TChooseSettingsFile& chooseFile);

// Save Settings: the controls are copied into the options, then the save dialog; a name typed
// without extension gets ".qvl". An existing file is replaced without a question. A failed
// write shows "The file could not be saved!". Cancelling keeps the copied values in the options.
// True when a file was written.
bool SaveSettingsCommand(TGalleryJob& job, const TChooseSettingsFile& chooseFile);

// Save as Default: the controls are copied into the options and written to default.qvl in
// ProgramDir, without a dialog. A failed write shows "The file could not be saved!".
bool SaveAsDefaultCommand(TGalleryJob& job);

// The save dialog's default extension: a name whose last part has no extension gets ".qvl";
// any other name stays as it is.
std::string WithDefaultExtension(std::string_view name);

}  // namespace ql
