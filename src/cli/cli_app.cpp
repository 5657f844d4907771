#include "cli/cli_app.h"

#include <chrono>
#include <cstdio>

#include "cli/cli_options.h"
#include "cli/inspect.h"
#include "cli/terminal_services.h"
#include "job/gallery_job.h"
#include "job/string_table.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "settings/startup.h"

namespace ql::cli {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 130;

std::string Plural(int count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

void ApplyCommandLine(const TCliOptions& o, TTerminalServices& ui) {
  if (o.Input) ui.SetEditSourceText(*o.Input);
  if (o.Output) ui.SetEditDestiText(*o.Output);
  if (o.Filter) ui.SetComboBoxFilterIndex(*o.Filter);
  if (o.Sort) ui.SetSortModeIndex(*o.Sort);
  if (o.NoExif) ui.SetCheckBoxExifChecked(false);
  if (o.PagesOnly) ui.SetCheckBoxCreateNoImagesChecked(true);
  if (o.Quality) ui.SetTrackBarQualityPosition(*o.Quality);
  if (o.ThumbQuality) ui.SetTrackBarThumbQualityPosition(*o.ThumbQuality);
  if (o.MaxWidth) ui.SetMaskEditMaxWidthText(std::to_string(*o.MaxWidth));
  if (o.MaxHeight) ui.SetMaskEditMaxHeightText(std::to_string(*o.MaxHeight));
  if (o.ThumbSize) ui.SetMaskEditUserSizeText(std::to_string(*o.ThumbSize));
}

int Run(const TCliOptions& o, std::ostream& out, std::ostream& err) {
  TTerminalServices ui(o.Yes, o.Open);
  TGalleryJob job(ui);
  ApplyStartUpSettings(job);
  const std::string notChosen = StringTableText(sNotChosenYet);

  if (o.Settings) {
    if (LoadSettingsFile(job, *o.Settings) != 0) {
      err << "quorvalinde-cli: " << *o.Settings << ": " << StringTableText(sNotAValidSettingsFile) << '\n';
      return kExitFailure;
    }
  }
  ApplyCommandLine(o, ui);

  if (o.SaveSettings) {
    // What Save Settings writes: the controls copied into the options first.
    CopyControlsToOptions(job);
    if (SaveSettingsFile(job, *o.SaveSettings) != 0) {
      err << "quorvalinde-cli: " << *o.SaveSettings << ": " << StringTableText(sCouldNotSave) << '\n';
      return kExitFailure;
    }
    // With no input folder known (none given, none loaded), saving is all there is to do.
    if (ui.EditSourceText() == notChosen) return kExitOk;
  }

  const std::string input = ui.EditSourceText();
  const std::string output = ui.EditDestiText();
  if (input == notChosen || output == notChosen) {
    err << "quorvalinde-cli: " << (input == notChosen ? "no input folder" : "no output folder")
        << " given (use -i DIR and -o DIR, or a settings file with both folders)\n"
        << "Try 'quorvalinde-cli --help'.\n";
    return kExitUsage;
  }

  // Accept the folders as the focus leaving the fields would: a missing output folder is created
  // after the question; a declined question ends the run here.
  job.EditSourceExit();
  job.EditDestiExit();
  if (ui.DeclinedWarning()) return kExitFailure;

  InstallCancelHandler();
  const auto start = std::chrono::steady_clock::now();
  TRunOutcome outcome;
  try {
    outcome = job.RunGallery();
  } catch (const TError& error) {
    err << "quorvalinde-cli: " << error.what() << '\n';
    return kExitFailure;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if (outcome.LeftOut > 0) {
    err << "quorvalinde-cli: warning: " << input << " holds more than " << MaxImages
        << " images; " << outcome.LeftOut << " left out\n";
  }
  switch (outcome.Status) {
    case TRunStatus::Completed: {
      char time[32];
      std::snprintf(time, sizeof time, "%.1f", seconds);
      out << Plural(outcome.Images, "image") << ", " << Plural(outcome.Pages.IndexPages, "index page") << ", "
          << Plural(outcome.Pages.ImagePages, "image page") << " in " << time << " s: "
          << JoinPath(job.DestDir, "page1.htm") << '\n';
      return kExitOk;
    }
    case TRunStatus::NoImages:
      err << "quorvalinde-cli: no JPEG or BMP files in " << input << '\n';
      return kExitFailure;
    case TRunStatus::Cancelled:
      err << "quorvalinde-cli: cancelled after " << Plural(outcome.Processed, "image") << "; no page written\n";
      return kExitCancelled;
    case TRunStatus::Declined:
    case TRunStatus::SameFolder:
    case TRunStatus::PagesFailed:
    case TRunStatus::BackgroundFailed:
      return kExitFailure;
  }
  return kExitFailure;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TParseResult parsed = ParseCommandLine(args);
  if (!parsed.Error.empty()) {
    err << "quorvalinde-cli: " << parsed.Error << "\nTry 'quorvalinde-cli --help'.\n";
    return kExitUsage;
  }
  const TCliOptions& o = parsed.Options;
  if (o.Help) {
    out << UsageText();
    return kExitOk;
  }
  if (o.Version) {
    out << "quorvalinde-cli " << QL_VERSION << '\n';
    return kExitOk;
  }
  if (!o.Inspect.empty()) return InspectFiles(o.Inspect, out, err);
  try {
    return Run(o, out, err);
  } catch (const TError& error) {
    err << "quorvalinde-cli: " << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace ql::cli
