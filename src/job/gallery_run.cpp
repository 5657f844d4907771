// The run: from accepting the folders to opening the first index page.
#include <memory>

#include "job/gallery_job.h"
#include "job/output_names.h"
#include "job/sort_images.h"
#include "job/source_scan.h"
#include "job/string_table.h"
#include "job/web_file_name.h"
#include "platform/atomic_write.h"
#include "platform/file_system.h"
#include "platform/int_conversion.h"

namespace ql {

namespace {

// Index of "Lanczos3Filter" in the filter list; thumbnails always use it.
constexpr int kThumbnailFilter = 5;

// Hides the progress dialog and restores the normal cursor on every way out of the loop,
// including an error raised by a conversion.
class TRunScreen {
 public:
  TRunScreen(IWindowServices& ui, IProgressDialog& dialog) : ui_(ui), dialog_(dialog) {}
  ~TRunScreen() {
    RestoreCursor();
    dialog_.Hide();
  }
  void Begin() {
    dialog_.Show();
    ui_.SetBusyCursor(true);
    busy_ = true;
  }
  void RestoreCursor() {
    if (busy_) ui_.SetBusyCursor(false);
    busy_ = false;
  }

 private:
  IWindowServices& ui_;
  IProgressDialog& dialog_;
  bool busy_ = false;
};

std::string ProgressLine(int i, int n) {
  return StringTableText(sImage) + " " + std::to_string(i + 1) + " " + StringTableText(sOf) + " " +
         std::to_string(n);
}

std::string PageFailureText(const TPageWriteReport& report) {
  std::string text = StringTableText(sCouldNotCreateHtml);
  if (!report.Failures.empty()) text += "\n";
  for (const TPageFailure& failure : report.Failures) text += "\n" + failure.File + ": " + failure.Reason;
  return text;
}

}  // namespace

TRunOutcome TGalleryJob::RunGallery() {
  TRunOutcome outcome;
  const std::unique_ptr<IProgressDialog> dialog = ui_.CreateProgressDialog();

  EditSourceExit();
  EditDestiExit();

  Options.maxWidth = LeadingInt(ui_.MaskEditMaxWidthText());
  Options.maxHeight = LeadingInt(ui_.MaskEditMaxHeightText());
  Options.maxThumbSize = LeadingInt(ui_.MaskEditUserSizeText());

  // The resized copy of 'photo.jpg' would replace the photo itself.
  if (SameDirectory(SourceDir, DestDir)) {
    ui_.MessageBox("The output folder is the input folder:\n" + DestDir +
                       "\n\nChoose another output folder; the resized copies would replace the photos.",
                   "Error", MB_OK | MB_ICONHAND);
    outcome.Status = TRunStatus::SameFolder;
    return outcome;
  }

  if (!CheckFolderEmpty(DestDir, true)) {
    outcome.Status = TRunStatus::Declined;
    return outcome;
  }

  const TScanResult scan = ScanSourceFolder(SourceDir, ui_.CheckBoxExifChecked(), ExifData, Images);
  const int n = scan.Count;
  outcome.Images = n;
  outcome.LeftOut = scan.LeftOut;
  if (n == 0) {
    outcome.Status = TRunStatus::NoImages;
    return outcome;
  }

  bool stop = false;
  bool cancelled = false;
  TRunScreen screen(ui_, *dialog);
  screen.Begin();

  auto context = [&](bool useExif) {
    return TJobContext{SourceDir,         DestDir, Options, std::span<const TSourceImage>(Images), ExifData, useExif,
                       BackgroundWebName, BackgroundWebNameImages, [this] { ui_.ProcessMessages(); }};
  };

  TOutputNames names;
  for (int i = 0; i < n && !stop; ++i) {
    dialog->SetLabel2(ProgressLine(i, n));
    if (dialog->CancelRequested()) stop = cancelled = true;
    ui_.ProcessMessages();
    dialog->SetProgressBar1((i + 1) * 100 / n);
    TSourceImage& image = Images[static_cast<std::size_t>(i)];
    image.WebName = names.ClaimImage(WebFileName(image.FileName, true));
    if (!ui_.CheckBoxCreateNoImagesChecked()) {
      const TJobContext ctx = context(ui_.CheckBoxExifChecked());
      Steps.ConvertImage(ctx, image.FileName, image.WebName + ".jpg", ui_.TrackBarQualityPosition(), Options.maxWidth,
                   Options.maxHeight, ui_.ComboBoxFilterIndex(), false);
      Steps.ConvertImage(ctx, image.FileName, "t_" + image.WebName + ".jpg", ui_.TrackBarThumbQualityPosition(),
                   Options.maxThumbSize, Options.maxThumbSize, kThumbnailFilter, true);
    }
    outcome.Processed = i + 1;
  }

  screen.RestoreCursor();
  SortImages(Images, n, ui_.SortModeIndex());

  if (!stop) {
    const bool copy = !ui_.CheckBoxCreateNoImagesChecked();
    auto copyBackground = [&](const std::string& file, const std::string& webName) {
      if (!copy) return;
      try {
        CopyFileAtomic(file, JoinPath(DestDir, webName + ".jpg"));
      } catch (const TFileError& error) {
        outcome.BackgroundFailures.push_back(error);
      }
    };
    const bool indexBackground = Options.UseImage && !Options.ImageFile.empty();
    if (indexBackground) {
      BackgroundWebName = names.ClaimBackground(WebFileName(ExtractFileName(Options.ImageFile), true));
      copyBackground(Options.ImageFile, BackgroundWebName);
    }
    if (Options.UseImageImages && !Options.ImageFileImages.empty()) {
      if (indexBackground && Options.ImageFileImages == Options.ImageFile) {
        BackgroundWebNameImages = BackgroundWebName;  // the same file: one copy serves both
      } else {
        BackgroundWebNameImages = names.ClaimBackground(WebFileName(ExtractFileName(Options.ImageFileImages), true));
        copyBackground(Options.ImageFileImages, BackgroundWebNameImages);
      }
    }

    if (Steps.WriteGalleryPages(context(ui_.CheckBoxExifChecked()), n, &outcome.Pages) != 0) {
      stop = true;
      ui_.MessageBox(PageFailureText(outcome.Pages), "Error", MB_OK | MB_ICONHAND);
    }
    if (!outcome.BackgroundFailures.empty()) {
      std::string text = "The background image could not be copied:\n";
      for (const TFileError& failure : outcome.BackgroundFailures) text += "\n" + std::string(failure.what());
      ui_.MessageBox(text, "Error", MB_OK | MB_ICONHAND);
    }
  }

  dialog->Hide();

  if (cancelled) {
    outcome.Status = TRunStatus::Cancelled;
  } else if (stop) {
    outcome.Status = TRunStatus::PagesFailed;
  } else if (!outcome.BackgroundFailures.empty()) {
    outcome.Status = TRunStatus::BackgroundFailed;
  } else {
    outcome.Status = TRunStatus::Completed;
    ui_.OpenDocument(JoinPath(DestDir, "page1.htm"));
  }
  return outcome;
}

}  // namespace ql
