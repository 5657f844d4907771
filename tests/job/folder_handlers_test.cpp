#include <sys/stat.h>

#include <gtest/gtest.h>

#include "job/gallery_job.h"
#include "platform/file_system.h"
#include "support/fake_window_services.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::TFakeWindowServices;
using test::TTempDir;

constexpr const char* kNotChosen = "< not chosen yet >";

struct FolderHandlers : ::testing::Test {
  FolderHandlers() : job(ui) {
    job.SourceDir = job.DestDir = kNotChosen;
    ui.SetEditSourceText(kNotChosen);
    ui.SetEditDestiText(kNotChosen);
    mkdir((dir / "in").c_str(), 0755);
    mkdir((dir / "out").c_str(), 0755);
  }
  TTempDir dir;
  TFakeWindowServices ui;
  TGalleryJob job;
};

TEST_F(FolderHandlers, TypedFoldersEnableTheRunButtonOnceBothExist) {
  ui.SetEditSourceText(dir / "in");
  job.EditSourceExit();
  EXPECT_EQ(job.SourceDir, dir / "in");
  EXPECT_FALSE(ui.RunButtonEnabled());
  ui.SetEditDestiText(dir / "out");
  job.EditDestiExit();
  EXPECT_EQ(job.DestDir, dir / "out");
  EXPECT_TRUE(ui.RunButtonEnabled());
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(FolderHandlers, AMissingInputFolderIsRefused) {
  ui.SetEditSourceText(dir / "nowhere");
  job.EditSourceExit();
  EXPECT_EQ(ui.EditSourceText(), kNotChosen);
  EXPECT_EQ(job.SourceDir, kNotChosen);
  EXPECT_FALSE(ui.RunButtonEnabled());
}

TEST_F(FolderHandlers, AMissingOutputFolderIsCreatedWithItsParentsAfterOk) {
  job.SourceDir = dir / "in";
  ui.Answers = {IDOK};
  ui.SetEditDestiText(dir / "gal/new");
  job.EditDestiExit();
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Text, "Directory does not exist. Shall I create it?");
  EXPECT_EQ(ui.Messages[0].Caption, "Warning");
  EXPECT_EQ(ui.Messages[0].Flags, 17);
  EXPECT_TRUE(DirectoryExists(dir / "gal/new"));
  EXPECT_EQ(job.DestDir, dir / "gal/new");
  EXPECT_TRUE(ui.RunButtonEnabled());
}

TEST_F(FolderHandlers, CancelOrAnEmptyOutputFieldRestoresThePreviousFolder) {
  job.DestDir = dir / "out";
  ui.Answers = {IDCANCEL};
  ui.SetEditDestiText(dir / "other");
  job.EditDestiExit();
  EXPECT_FALSE(DirectoryExists(dir / "other"));
  EXPECT_EQ(ui.EditDestiText(), dir / "out");

  ui.Answers = {IDOK};
  ui.SetEditDestiText("");
  job.EditDestiExit();
  EXPECT_EQ(ui.Messages.size(), 2u);
  EXPECT_EQ(ui.EditDestiText(), dir / "out");
  EXPECT_EQ(job.DestDir, dir / "out");
}

TEST_F(FolderHandlers, CheckFolderEmptyAsksForAnyEntry) {
  EXPECT_TRUE(job.CheckFolderEmpty(dir / "out", true));
  EXPECT_TRUE(ui.Messages.empty());
  mkdir((dir / "out/sub").c_str(), 0755);
  ui.Answers = {IDCANCEL, IDOK};
  EXPECT_FALSE(job.CheckFolderEmpty(dir / "out", true));
  EXPECT_TRUE(job.CheckFolderEmpty(dir / "out", true));
  EXPECT_TRUE(job.CheckFolderEmpty(dir / "out", false));
  EXPECT_TRUE(job.CheckFolderEmpty(dir / "missing", true));
  ASSERT_EQ(ui.Messages.size(), 2u);
  EXPECT_EQ(ui.Messages[0].Caption, "Warning");
  EXPECT_EQ(ui.Messages[0].Text,
            "The Destination Directory is not empty.\nClick \"OK\" to proceed anyway\n"
            "(Files might be overwritten without asking)");
}

}  // namespace
}  // namespace ql
