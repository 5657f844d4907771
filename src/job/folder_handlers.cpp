// The handlers that accept the typed folders, and the check of the output folder.
#include "job/gallery_job.h"
#include "html/gallery_pages.h"
#include "imaging/convert_image.h"
#include "job/string_table.h"
#include "platform/file_system.h"

namespace ql {

TGalleryJob::TGalleryJob(IWindowServices& ui)
    : Images(MaxImages), Steps{&ConvertImage, &WriteGalleryPages}, ui_(ui) {}

void TGalleryJob::UpdateRunButtonFor(const std::string& otherFolder) {
  if (DirectoryExists(otherFolder)) ui_.SetRunButtonEnabled(true);
}

void TGalleryJob::EditSourceExit() {
  const std::string text = ui_.EditSourceText();
  if (text == SourceDir) return;
  if (DirectoryExists(text)) {
    SourceDir = text;
    UpdateRunButtonFor(DestDir);
    return;
  }
  ui_.SetEditSourceText(SourceDir);
  if (!DirectoryExists(SourceDir)) {
    ui_.SetRunButtonEnabled(false);
  } else {
    UpdateRunButtonFor(DestDir);
  }
}

void TGalleryJob::EditDestiExit() {
  const std::string text = ui_.EditDestiText();
  if (text == DestDir) return;
  if (DirectoryExists(text)) {
    DestDir = text;
    UpdateRunButtonFor(SourceDir);
    return;
  }
  const int answer = ui_.MessageBox(StringTableText(sCreateDirectory), "Warning", MB_OKCANCEL | MB_ICONHAND);
  if (answer == IDOK && CreateFolderWithParents(text)) {
    DestDir = text;
    UpdateRunButtonFor(SourceDir);
    return;
  }
  // Cancel, or an empty text that names nothing to create.
  ui_.SetEditDestiText(DestDir);
  if (DirectoryExists(DestDir)) {
    UpdateRunButtonFor(SourceDir);
  } else {
    ui_.SetRunButtonEnabled(false);
  }
}

bool TGalleryJob::CheckFolderEmpty(const std::string& path, bool ask) {
  const std::optional<bool> hasEntries = HasAnyEntry(path);
  if (hasEntries.value_or(false) && ask) {
    return ui_.MessageBox(StringTableText(sDestinationNotEmpty), "Warning", MB_OKCANCEL | MB_ICONHAND) != IDCANCEL;
  }
  return true;
}

}  // namespace ql
