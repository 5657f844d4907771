// The settings of the command-line front end: default.qvl of the current directory at start-up,
// -s FILE, and --save-settings FILE, whose file passed back with -s gives the same settings.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/cli_app.h"
#include "platform/file_system.h"
#include "platform/text_lines.h"
#include "settings/default_options.h"
#include "settings/settings_reader.h"
#include "settings_test_support.h"
#include "support/temp_dir.h"

namespace ql::test {
namespace {

struct TCliResult {
  int status;
  std::string out, err;
};

// Runs the front end in `dir`; what the window services show goes to std::cerr, which is
// captured with the front end's own error stream.
TCliResult RunIn(const std::string& dir, const std::vector<std::string>& args) {
  TCurrentDirectory cwd(dir);
  std::ostringstream out, err, shown;
  std::streambuf* const saved = std::cerr.rdbuf(shown.rdbuf());
  const int status = cli::RunCli(args, out, err);
  std::cerr.rdbuf(saved);
  return {status, out.str(), shown.str() + err.str()};
}

TSettingsContent Parse(const std::string& path) { return ParseSettingsText(ReadFile(path), {}, path); }

class CliSettings : public ::testing::Test {
 protected:
  CliSettings() {
    EXPECT_TRUE(CreateFolderWithParents(in_));
    EXPECT_TRUE(CreateFolderWithParents(out_));
  }
  TTempDir dir_;
  TTempDir cwd_;
  std::string in_ = dir_ / "in", out_ = dir_ / "out";
};

TEST_F(CliSettings, SavedFilePassedBackWithSettingsReproducesOptionsAndFolders) {
  std::vector<std::string> lines = WithLine(GoldenLines(), kSourceLine, in_);
  lines = WithLine(lines, kDestLine, out_);
  lines = WithLine(lines, 20, "/pics/back.jpg");
  lines = WithLine(lines, kC4 + 6, "1");
  WriteFile(dir_ / "start.qvl", JoinLines(lines));

  const std::string first = dir_ / "first.qvl", second = dir_ / "second.qvl";
  const TCliResult saved =
      RunIn(cwd_.Path(), {"-s", dir_ / "start.qvl", "--quality", "70", "--thumb-quality", "60", "--max-width",
                          "1024", "--max-height", "768", "--thumb-size", "120", "--sort", "name-desc",
                          "--save-settings", first});
  // The loaded folders exist, so a run follows the save; the input folder holds no image.
  EXPECT_EQ(saved.status, 1) << saved.err;
  EXPECT_EQ(saved.err, "quorvalinde-cli: no JPEG or BMP files in " + in_ + "\n");

  const TSettingsContent content = Parse(first);
  TGalleryOptions expected;
  SetDefaultOptions(expected);
  expected.Quality = 70;
  expected.ThumbQuality = 60;
  expected.maxWidth = 1024;
  expected.maxHeight = 768;
  expected.maxThumbSize = 120;
  expected.ImageFile = "/pics/back.jpg";
  expected.UseColorsImages = true;
  expected.UseNamesImages = false;
  EXPECT_EQ(content.Options, expected);
  EXPECT_EQ(content.SortIndex, 3);
  EXPECT_EQ(content.SourcePath, in_);
  EXPECT_EQ(content.DestPath, out_);

  const TCliResult again = RunIn(cwd_.Path(), {"-s", first, "--save-settings", second});
  EXPECT_EQ(again.status, 1) << again.err;
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(CliSettings, StartUpLoadsDefaultFileButNotItsFolders) {
  std::vector<std::string> lines = WithLine(GoldenLines(), 2, "70");
  lines = WithLine(lines, kSortLine, "1");
  lines = WithLine(lines, kSourceLine, in_);
  lines = WithLine(lines, kDestLine, out_);
  WriteFile(cwd_ / "default.qvl", JoinLines(lines));
  const TCliResult result = RunIn(cwd_.Path(), {"--save-settings", dir_ / "x.qvl"});
  ASSERT_EQ(result.status, 0) << result.err;
  const TSettingsContent content = Parse(dir_ / "x.qvl");
  EXPECT_EQ(content.Options.Quality, 70);
  EXPECT_EQ(content.SortIndex, 1);
  EXPECT_EQ(content.SourcePath, "< not chosen yet >");
  EXPECT_EQ(content.DestPath, "< not chosen yet >");
}

TEST_F(CliSettings, MalformedFilesAreReportedOnStandardError) {
  const std::string bad = JoinLines(WithLine(GoldenLines(), 24, "abc"));
  WriteFile(dir_ / "bad.qvl", bad);
  const TCliResult loaded = RunIn(cwd_.Path(), {"-s", dir_ / "bad.qvl", "--save-settings", dir_ / "x.qvl"});
  EXPECT_EQ(loaded.status, 1);
  EXPECT_EQ(loaded.err, "quorvalinde-cli: " + (dir_ / "bad.qvl") + ": line 24: 'abc' is not a number\n");
  EXPECT_FALSE(PathExists(dir_ / "x.qvl"));

  // A malformed default file is shown, and the program goes on with the built-in defaults.
  WriteFile(cwd_ / "default.qvl", bad);
  const TCliResult started = RunIn(cwd_.Path(), {"--save-settings", dir_ / "y.qvl"});
  EXPECT_EQ(started.status, 0);
  EXPECT_NE(started.err.find("Error: "), std::string::npos) << started.err;
  EXPECT_NE(started.err.find("default.qvl: line 24: 'abc' is not a number\n"), std::string::npos) << started.err;
  EXPECT_EQ(ReadFile(dir_ / "y.qvl"), GoldenText());
  EXPECT_EQ(ReadFile(cwd_ / "default.qvl"), bad);
}

TEST_F(CliSettings, MissingSettingsFileIsNotAValidSettingsFile) {
  const TCliResult result = RunIn(cwd_.Path(), {"-s", dir_ / "none.qvl"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "quorvalinde-cli: " + (dir_ / "none.qvl") + ": Selected File is not a valid QuorvaLinde INI-File!\n");
}

}  // namespace
}  // namespace ql::test
