// Start-up and the three settings commands: the default file, the dialogs they ask for, the
// control copy before saving, and the messages they show.
#include <gtest/gtest.h>

#include "job/string_table.h"
#include "platform/file_system.h"
#include "platform/text_lines.h"
#include "settings/default_options.h"
#include "settings/settings_commands.h"
#include "settings/settings_file.h"
#include "settings/startup.h"
#include "settings_test_support.h"
#include "support/temp_dir.h"

namespace ql::test {
namespace {

constexpr int kErrorBox = MB_OK | MB_ICONHAND;
const std::string kNotChosen = "< not chosen yet >";

TGalleryOptions Defaults() {
  TGalleryOptions o;
  SetDefaultOptions(o);
  return o;
}

// A file dialog that records what it was opened with and answers `answer`.
struct TScriptedDialog {
  std::optional<std::string> answer;
  std::vector<TSettingsFileDialog> shown;
  TChooseSettingsFile Chooser() {
    return [this](const TSettingsFileDialog& dialog) {
      shown.push_back(dialog);
      return answer;
    };
  }
};

class StartUp : public ::testing::Test {
 protected:
  TTempDir dir_;
  TCurrentDirectory cwd_{dir_.Path()};
  TFakeWindowServices ui_;
  TGalleryJob job_{ui_};
};

TEST_F(StartUp, WithoutDefaultFileTheBuiltInDefaultsApply) {
  ApplyStartUpSettings(job_);
  EXPECT_EQ(job_.ProgramDir, CurrentDirectory());
  EXPECT_EQ(job_.Options, Defaults());
  EXPECT_EQ(ui_.TrackBarQualityPosition(), 85);
  EXPECT_EQ(ui_.TrackBarThumbQualityPosition(), 85);
  EXPECT_EQ(ui_.MaskEditUserSizeText(), "140");
  EXPECT_EQ(ui_.MaskEditMaxWidthText(), "800");
  EXPECT_EQ(ui_.MaskEditMaxHeightText(), "600");
  EXPECT_EQ(job_.SourceDir, kNotChosen);
  EXPECT_EQ(job_.DestDir, kNotChosen);
  EXPECT_EQ(ui_.EditSourceText(), kNotChosen);
  EXPECT_EQ(ui_.EditDestiText(), kNotChosen);
  EXPECT_FALSE(ui_.RunButtonEnabled());
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(StartUp, SaveAsDefaultWritesTheGoldenFile) {
  ApplyStartUpSettings(job_);
  ASSERT_TRUE(SaveAsDefaultCommand(job_));
  EXPECT_EQ(ReadFile(dir_ / "default.qvl"), GoldenText());
  EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(StartUp, SavedDefaultsReturnAtTheNextStartExceptTheFolders) {
  TTempDir folders;
  ApplyStartUpSettings(job_);
  job_.Options = DistinctOptions();
  ui_.SetTrackBarQualityPosition(55);
  ui_.SetMaskEditMaxWidthText("1280");
  ui_.SetSortModeIndex(2);
  ui_.SetEditSourceText(folders.Path());
  ui_.SetEditDestiText(folders.Path());
  ASSERT_TRUE(SaveAsDefaultCommand(job_));

  TFakeWindowServices ui;
  TGalleryJob next(ui);
  ApplyStartUpSettings(next);
  TGalleryOptions expected = DistinctOptions();
  expected.Quality = 55;
  expected.maxWidth = 1280;
  expected.ThumbQuality = 85;  // the other controls still show the defaults of the first start
  expected.maxHeight = 600;
  expected.maxThumbSize = 140;
  expected.UseNamesImages = false;
  EXPECT_EQ(next.Options, expected);
  EXPECT_EQ(ui.TrackBarQualityPosition(), 55);
  EXPECT_EQ(ui.MaskEditMaxWidthText(), "1280");
  EXPECT_EQ(ui.SortModeIndex(), 2);
  EXPECT_FALSE(ui.CheckBoxExifEnabled());
  EXPECT_EQ(ui.EditSourceText(), kNotChosen);
  EXPECT_EQ(ui.EditDestiText(), kNotChosen);
  EXPECT_EQ(next.SourceDir, kNotChosen);
  EXPECT_EQ(next.DestDir, kNotChosen);
  // Both folders of the file existed when it was loaded; the reset of the folders leaves the
  // run button as loading left it.
  EXPECT_TRUE(ui.RunButtonEnabled());
}

TEST_F(StartUp, MalformedDefaultFileIsReportedAndLeftAloneAndTheDefaultsApply) {
  const std::string text = JoinLines(WithLine(GoldenLines(), 24, "abc"));
  WriteFile(dir_ / "default.qvl", text);
  ApplyStartUpSettings(job_);
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_EQ(ui_.Messages[0].Text, JoinPath(CurrentDirectory(), "default.qvl") + ": line 24: 'abc' is not a number");
  EXPECT_EQ(ui_.Messages[0].Caption, "Error");
  EXPECT_EQ(ui_.Messages[0].Flags, kErrorBox);
  EXPECT_EQ(job_.Options, Defaults());
  EXPECT_EQ(ui_.MaskEditUserSizeText(), "140");
  EXPECT_EQ(ui_.EditSourceText(), kNotChosen);
  EXPECT_EQ(ReadFile(dir_ / "default.qvl"), text);
}

class Commands : public ::testing::Test {
 protected:
  Commands() { t_.job.ProgramDir = dir_.Path(); }
  TTempDir dir_;
  TTestJob t_;
  TScriptedDialog dialog_;
};

TEST_F(Commands, LoadSettingsOpensTheDialogInTheProgramFolder) {
  WriteFile(dir_ / "mine.qvl", GoldenText());
  dialog_.answer = dir_ / "mine.qvl";
  EXPECT_TRUE(LoadSettingsCommand(t_.job, dialog_.Chooser()));
  ASSERT_EQ(dialog_.shown.size(), 1u);
  EXPECT_EQ(dialog_.shown[0].InitialDir, dir_.Path());
  EXPECT_EQ(dialog_.shown[0].Filter, "QuorvaLinde INI-Files (*.qvl)|*.qvl");
  EXPECT_EQ(dialog_.shown[0].DefaultExt, "");
  EXPECT_EQ(t_.job.Options.Code1, Defaults().Code1);
  EXPECT_TRUE(t_.ui.Messages.empty());
}

TEST_F(Commands, LoadSettingsThatFailsShowsWhyAndChangesNothing) {
  WriteFile(dir_ / "bad.qvl", JoinLines(FirstLines(GoldenLines(), kC3 + 1)));
  struct TCase {
    std::optional<std::string> answer;
    std::optional<std::string> message;
  };
  const TCase cases[] = {
      {std::nullopt, std::nullopt},  // cancelled
      {dir_ / "missing.qvl", "Selected File is not a valid QuorvaLinde INI-File!"},
      {dir_ / "bad.qvl", dir_ / "bad.qvl: line 99: the file ends here, a code block was expected"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.answer.value_or("cancel"));
    TTestJob t;
    TScriptedDialog dialog{c.answer, {}};
    const TJobSnapshot before = Snapshot(t.job, t.ui);
    EXPECT_FALSE(LoadSettingsCommand(t.job, dialog.Chooser()));
    EXPECT_EQ(Snapshot(t.job, t.ui), before);
    if (!c.message) {
      EXPECT_TRUE(t.ui.Messages.empty());
      continue;
    }
    ASSERT_EQ(t.ui.Messages.size(), 1u);
    EXPECT_EQ(t.ui.Messages[0].Text, *c.message);
    EXPECT_EQ(t.ui.Messages[0].Caption, "Error");
    EXPECT_EQ(t.ui.Messages[0].Flags, kErrorBox);
  }
}

TEST_F(Commands, SaveSettingsCopiesTheControlsFirstEvenWhenCancelled) {
  t_.ui.SetMaskEditMaxWidthText("");
  t_.ui.SetMaskEditMaxHeightText(" 480x");
  t_.ui.SetMaskEditUserSizeText("96");
  t_.ui.SetTrackBarQualityPosition(70);
  t_.ui.SetTrackBarThumbQualityPosition(60);
  EXPECT_FALSE(SaveSettingsCommand(t_.job, dialog_.Chooser()));
  ASSERT_EQ(dialog_.shown.size(), 1u);
  EXPECT_EQ(dialog_.shown[0].InitialDir, dir_.Path());
  EXPECT_EQ(dialog_.shown[0].Filter, "QuorvaLinde INI-Files (*.qvl)|*.qvl");
  EXPECT_EQ(dialog_.shown[0].DefaultExt, "*.qvl");
  EXPECT_EQ(t_.job.Options.maxWidth, 0);
  EXPECT_EQ(t_.job.Options.maxHeight, 480);
  EXPECT_EQ(t_.job.Options.maxThumbSize, 96);
  EXPECT_EQ(t_.job.Options.Quality, 70);
  EXPECT_EQ(t_.job.Options.ThumbQuality, 60);
  EXPECT_TRUE(ListNames(dir_.Path()).empty());
  EXPECT_TRUE(t_.ui.Messages.empty());
}

TEST_F(Commands, SaveSettingsGivesANameWithoutExtensionTheSettingsExtension) {
  WriteFile(dir_ / "old.qvl", "old");
  for (const char* name : {"mine", "notes.txt", "old.qvl"}) {
    dialog_.answer = dir_ / name;
    EXPECT_TRUE(SaveSettingsCommand(t_.job, dialog_.Chooser()));
  }
  EXPECT_EQ(ListNames(dir_.Path()), (std::vector<std::string>{"mine.qvl", "notes.txt", "old.qvl"}));
  EXPECT_EQ(ReadFile(dir_ / "old.qvl"), ReadFile(dir_ / "mine.qvl"));
  EXPECT_EQ(SplitLines(ReadFile(dir_ / "mine.qvl"))[3], "1111");  // the width field, copied first
  EXPECT_TRUE(t_.ui.Messages.empty());
}

TEST_F(Commands, FailedSaveShowsCouldNotBeSaved) {
  dialog_.answer = dir_ / "missing/x.qvl";
  EXPECT_FALSE(SaveSettingsCommand(t_.job, dialog_.Chooser()));
  t_.job.ProgramDir = dir_ / "missing";
  EXPECT_FALSE(SaveAsDefaultCommand(t_.job));
  ASSERT_EQ(t_.ui.Messages.size(), 2u);
  for (const TShownMessage& message : t_.ui.Messages) {
    EXPECT_EQ(message.Text, "The file could not be saved!");
    EXPECT_EQ(message.Caption, "Error");
    EXPECT_EQ(message.Flags, kErrorBox);
  }
  // The options keep the values copied from the controls.
  EXPECT_EQ(t_.job.Options.maxWidth, 1111);
  EXPECT_EQ(t_.job.Options.Quality, 42);
}

TEST(DefaultExtension, OnlyANameWithoutExtensionGetsOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"mine", "mine.qvl"},          {"mine.qvl", "mine.qvl"},   {"mine.QVL", "mine.QVL"},
      {"mine.txt", "mine.txt"},      {"a.d/mine", "a.d/mine.qvl"}, {"/home/x/my settings", "/home/x/my settings.qvl"},
      {"/home/x/v1.2.qvl", "/home/x/v1.2.qvl"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(WithDefaultExtension(name), expected) << name;
}

}  // namespace
}  // namespace ql::test
