#include "settings/settings_file.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/atomic_write.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/settings_layout.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "settings/startup.h"

namespace ql {

namespace {

std::string TooLargeReason() {
  return "larger than " + std::to_string(kMaxSettingsFileBytes >> 20) + " MB, not a settings file";
}

// The whole file, refused before it is read when it is larger than any settings file.
std::string ReadSettingsBytes(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0 && static_cast<std::uintmax_t>(st.st_size) > kMaxSettingsFileBytes) {
    throw TFileError(path, TooLargeReason());
  }
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  if (bytes.size() > kMaxSettingsFileBytes) throw TFileError(path, TooLargeReason());
  return std::string(bytes.begin(), bytes.end());
}

// A folder line names a folder only when the whole text is its name: a text with a zero byte in
// it would be cut there by the system.
bool NamesExistingFolder(const std::string& path) {
  return path.find('\0') == std::string::npos && DirectoryExists(path);
}

void ApplySortAndFolders(TGalleryJob& job, const TSettingsContent& content) {
  IWindowServices& ui = job.Ui();
  ui.SetSortModeIndex(std::clamp(content.SortIndex, -1, 3));
  if (NamesExistingFolder(content.SourcePath)) {
    ui.SetEditSourceText(content.SourcePath);
    job.SourceDir = content.SourcePath;
  }
  if (NamesExistingFolder(content.DestPath)) {
    ui.SetEditDestiText(content.DestPath);
    job.DestDir = content.DestPath;
  }
  ui.SetRunButtonEnabled(DirectoryExists(job.SourceDir) && DirectoryExists(job.DestDir));
}

}  // namespace

int LoadSettingsFile(TGalleryJob& job, const std::string& path) {
  if (!RegularFileExists(path)) return -1;
  TSettingsContent content = ParseSettingsText(ReadSettingsBytes(path), job.Options, path);
  job.Options = std::move(content.Options);
  if (content.HasSortAndFolders) ApplySortAndFolders(job, content);
  PushOptionsToControls(job);
  return 0;
}

int SaveSettingsFile(TGalleryJob& job, const std::string& path) {
  const IWindowServices& ui = job.Ui();
  try {
    WriteFileAtomic(path, BuildSettingsText(job.Options, ui.SortModeIndex(), ui.EditSourceText(), ui.EditDestiText()));
  } catch (const TError&) {
    return 1;
  }
  return 0;
}

}  // namespace ql
