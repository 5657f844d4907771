// Helpers of the settings tests: the golden file of the defaults as lines, writing edited copies
// of it, a snapshot of everything a load may change, options that differ from the defaults in
// every field, and a guard that runs a test in another current directory.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "job/gallery_job.h"
#include "support/fake_window_services.h"

namespace ql {
// Lets test failures show options field by field.
void PrintTo(const TGalleryOptions& options, std::ostream* out);
}  // namespace ql

namespace ql::test {

// Line numbers of the golden file (the defaults): the end lines of the four code blocks, and
// the lines of the sort order and the two folders.
inline constexpr std::size_t kC1 = 38, kC2 = 67, kC3 = 97, kC4 = 137;
inline constexpr std::size_t kSortLine = kC4 + 16, kSourceLine = kC4 + 18, kDestLine = kC4 + 20;

// tests/data/settings/default.qvl: what Save as Default writes with the built-in defaults.
std::string GoldenText();
std::vector<std::string> GoldenLines();

// The lines with `eol` after each one.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view eol = "\r\n");
// Line `number` (from 1) replaced by `text`.
std::vector<std::string> WithLine(std::vector<std::string> lines, std::size_t number, std::string text);
// The first `count` lines.
std::vector<std::string> FirstLines(std::vector<std::string> lines, std::size_t count);

// Options whose every field differs from the defaults and from its neighbours, with code lines
// that come close to the end line of a block.
TGalleryOptions DistinctOptions();

// Everything of a job that loading settings may change: the options, the folders and the
// controls.
struct TJobSnapshot {
  TGalleryOptions Options;
  std::string SourceDir, DestDir;
  int Quality, ThumbQuality;
  std::string MaxWidth, MaxHeight, UserSize;
  int SortMode;
  bool ExifEnabled;
  std::string EditSource, EditDesti;
  bool RunEnabled;
  bool operator==(const TJobSnapshot&) const = default;
};
TJobSnapshot Snapshot(TGalleryJob& job, const TFakeWindowServices& ui);

// A job of the fake window whose options and controls all hold values other than the defaults.
struct TTestJob {
  TFakeWindowServices ui;
  TGalleryJob job{ui};
  TTestJob();
};

// Makes `dir` the current directory for the guard's lifetime.
class TCurrentDirectory {
 public:
  explicit TCurrentDirectory(const std::string& dir);
  ~TCurrentDirectory();
  TCurrentDirectory(const TCurrentDirectory&) = delete;
  TCurrentDirectory& operator=(const TCurrentDirectory&) = delete;

 private:
  std::string previous_;
};

}  // namespace ql::test
