// The run's control flow, driven through scripted window services and recorded steps.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "job/gallery_job.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/default_options.h"
#include "support/fake_window_services.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::ReadFile;
using test::TFakeWindowServices;
using test::TTempDir;
using test::WriteFile;

struct Conversion {
  std::string Source, Dest;
  int Quality, MaxWidth, MaxHeight, Filter;
  bool Thumbnail;
};

struct GalleryRun : ::testing::Test {
  GalleryRun() : job(ui) {
    SetDefaultOptions(job.Options);
    mkdir((dir / "in").c_str(), 0755);
    mkdir((dir / "out").c_str(), 0755);
    ui.SetEditSourceText(dir / "in");
    ui.SetEditDestiText(dir / "out");
    job.Steps.ConvertImage = [this](const TJobContext& ctx, const std::string& source, const std::string& dest,
                                    int quality, int w, int h, int filter, bool thumb) {
      conversions.push_back({source, dest, quality, w, h, filter, thumb});
      if (failAt && static_cast<int>(conversions.size()) == failAt) {
        throw TFileError(JoinPath(ctx.SourceDir, source), "JPEG error #42");
      }
    };
    job.Steps.WriteGalleryPages = [this](const TJobContext& ctx, int n, TPageWriteReport* report) {
      ++pageWrites;
      pagesN = n;
      for (int i = 0; i < n; ++i) pageOrder.push_back(ctx.Images[static_cast<std::size_t>(i)].FileName);
      backgroundNames = {ctx.BackgroundWebName, ctx.BackgroundWebNameImages};
      report->IndexPages = 1;
      report->ImagePages = n;
      if (pagesFail) report->Failures.push_back({JoinPath(ctx.DestDir, "img2.htm"), "Permission denied"});
      return pagesFail ? 1 : 0;
    };
  }

  static std::string Name(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "in/photo%02d.jpg", i);
    return name;
  }
  void AddImages(int count) {
    for (int i = 1; i <= count; ++i) WriteFile(dir / Name(i), "x");
  }

  TTempDir dir;
  TFakeWindowServices ui;
  TGalleryJob job;
  std::vector<Conversion> conversions;
  int failAt = 0;  // the conversion call (1-based) that throws
  bool pagesFail = false;
  int pageWrites = 0;
  int pagesN = 0;
  std::vector<std::string> pageOrder;
  std::vector<std::string> backgroundNames;
};

TEST_F(GalleryRun, ThreeImagesShowTheirProgressAndEndWithTheFirstPageOpened) {
  AddImages(3);
  ui.SetTrackBarQualityPosition(70);
  ui.SetTrackBarThumbQualityPosition(60);
  ui.SetMaskEditMaxWidthText(" 640px");
  ui.SetMaskEditMaxHeightText("480");
  ui.SetMaskEditUserSizeText("120");
  ui.SetComboBoxFilterIndex(2);

  const TRunOutcome outcome = job.RunGallery();

  EXPECT_EQ(outcome.Status, TRunStatus::Completed);
  EXPECT_EQ(ui.Labels, (std::vector<std::string>{"Image 1 of 3", "Image 2 of 3", "Image 3 of 3"}));
  EXPECT_EQ(ui.Positions, (std::vector<int>{33, 66, 100}));
  EXPECT_EQ(job.Options.maxWidth, 640);  // the leading integer of the field
  ASSERT_EQ(conversions.size(), 6u);
  const Conversion& copy = conversions[2];
  EXPECT_EQ(copy.Source, "photo02.jpg");
  EXPECT_EQ(copy.Dest, "photo02.jpg");
  EXPECT_EQ(copy.Quality, 70);
  EXPECT_EQ(copy.MaxWidth, 640);
  EXPECT_EQ(copy.MaxHeight, 480);
  EXPECT_EQ(copy.Filter, 2);
  EXPECT_FALSE(copy.Thumbnail);
  const Conversion& thumb = conversions[3];
  EXPECT_EQ(thumb.Dest, "t_photo02.jpg");
  EXPECT_EQ(thumb.Quality, 60);
  EXPECT_EQ(thumb.MaxWidth, 120);
  EXPECT_EQ(thumb.MaxHeight, 120);
  EXPECT_EQ(thumb.Filter, 5);  // thumbnails always use Lanczos3
  EXPECT_TRUE(thumb.Thumbnail);
  EXPECT_EQ(pageWrites, 1);
  EXPECT_EQ(pagesN, 3);
  EXPECT_EQ(ui.Opened, std::vector<std::string>{dir / "out/page1.htm"});
  EXPECT_EQ(ui.DialogsCreated, 1);
  EXPECT_EQ(ui.DialogsAlive, 0);
  EXPECT_FALSE(ui.Busy);
  EXPECT_EQ(ui.BusyChanges, 2);
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(GalleryRun, ACancelHandledDuringTheFirstImageEndsTheLoopAfterTheSecond) {
  AddImages(10);
  ui.SetSortModeIndex(3);  // name descending: the table is sorted even after Cancel
  ui.OnProcessMessages = [](TFakeWindowServices& fake) {
    if (fake.Labels.size() == 1) fake.CancelRequested = true;
  };
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::Cancelled);
  EXPECT_EQ(outcome.Processed, 2);
  EXPECT_EQ(conversions.size(), 4u);
  EXPECT_EQ(pageWrites, 0);
  EXPECT_TRUE(ui.Opened.empty());
  EXPECT_EQ(job.Images[0].FileName, "photo02.jpg");
  EXPECT_EQ(job.Images[1].FileName, "photo01.jpg");
  EXPECT_EQ(ui.DialogsAlive, 0);
  EXPECT_FALSE(ui.Busy);
}

TEST_F(GalleryRun, DecliningTheNonEmptyFolderQuestionWritesNothing) {
  AddImages(2);
  WriteFile(dir / "out/old.htm", "x");
  ui.Answers = {IDCANCEL};
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::Declined);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Caption, "Warning");
  EXPECT_TRUE(conversions.empty());
  EXPECT_EQ(pageWrites, 0);
  EXPECT_TRUE(ui.Labels.empty());
  EXPECT_EQ(ui.DialogsAlive, 0);
}

TEST_F(GalleryRun, AConversionErrorAtTheThirdImageEndsTheRunCleanly) {
  AddImages(10);
  failAt = 5;  // the resized copy of the third image
  try {
    job.RunGallery();
    FAIL() << "the conversion error must reach the caller";
  } catch (const TFileError& e) {
    EXPECT_EQ(std::string(e.what()), dir / "in/photo03.jpg" + ": JPEG error #42");
  }
  EXPECT_EQ(conversions.size(), 5u);
  EXPECT_EQ(pageWrites, 0);
  EXPECT_TRUE(ui.Opened.empty());
  EXPECT_EQ(ui.DialogsAlive, 0);
  EXPECT_FALSE(ui.DialogVisible);
  EXPECT_FALSE(ui.Busy);
}

TEST_F(GalleryRun, OnlyWebpagesWritesPagesButNoImageAndNoBackground) {
  AddImages(2);
  WriteFile(dir / "bg.jpg", "background");
  job.Options.UseImage = true;
  job.Options.ImageFile = dir / "bg.jpg";
  ui.SetCheckBoxCreateNoImagesChecked(true);
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::Completed);
  EXPECT_TRUE(conversions.empty());
  EXPECT_EQ(pageWrites, 1);
  EXPECT_EQ(backgroundNames[0], "bg");  // the name is set, the file not copied
  EXPECT_FALSE(RegularFileExists(dir / "out/bg.jpg"));
  EXPECT_EQ(ui.Opened.size(), 1u);
}

TEST_F(GalleryRun, AFailedPageListsItsFileBelowMessageFiveAndOpensNothing) {
  AddImages(2);
  pagesFail = true;
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::PagesFailed);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Caption, "Error");
  EXPECT_EQ(ui.Messages[0].Flags, 16);
  EXPECT_EQ(ui.Messages[0].Text, "Could not create HTML-File (write protected medium?!)\n\n" + dir / "out/img2.htm" +
                                     ": Permission denied");
  EXPECT_TRUE(ui.Opened.empty());
}

TEST_F(GalleryRun, OutputNamesAreUniqueWithinARun) {
  for (const char* name : {"x.bmp", "x.jpg", "t_x.jpg", "sky.jpg"}) WriteFile(dir / ("in/" + std::string(name)), "x");
  WriteFile(dir / "Sky.png", "index background");
  WriteFile(dir / "other sky.png", "image-page background");
  job.Options.UseImage = true;
  job.Options.ImageFile = dir / "Sky.png";
  job.Options.UseImageImages = true;
  job.Options.ImageFileImages = dir / "other sky.png";
  ui.SetSortModeIndex(-1);
  job.RunGallery();
  std::vector<std::string> dests;
  for (const auto& c : conversions) dests.push_back(c.Dest);
  // Listing order: sky.jpg, t_x.jpg, x.bmp, x.jpg.
  EXPECT_EQ(dests, (std::vector<std::string>{"sky.jpg", "t_sky.jpg", "t_x.jpg", "t_t_x.jpg", "x_2.jpg", "t_x_2.jpg",
                                             "x_3.jpg", "t_x_3.jpg"}));
  EXPECT_EQ(backgroundNames, (std::vector<std::string>{"sky_2", "other_sky"}));
  EXPECT_EQ(ReadFile(dir / "out/sky_2.jpg"), "index background");
  EXPECT_EQ(ReadFile(dir / "out/other_sky.jpg"), "image-page background");
}

TEST_F(GalleryRun, AFailedBackgroundCopyIsReportedAfterThePages) {
  AddImages(1);
  job.Options.UseImage = true;
  job.Options.ImageFile = dir / "gone.jpg";
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::BackgroundFailed);
  EXPECT_EQ(pageWrites, 1);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_NE(ui.Messages[0].Text.find(dir / "gone.jpg" + ": No such file or directory"), std::string::npos);
  EXPECT_TRUE(ui.Opened.empty());
}

TEST_F(GalleryRun, TheOutputFolderMayNotBeTheInputFolder) {
  AddImages(1);
  ui.SetEditDestiText(dir / "in/.");
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::SameFolder);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Caption, "Error");
  EXPECT_TRUE(conversions.empty());
  EXPECT_EQ(pageWrites, 0);
  EXPECT_EQ(ui.DialogsAlive, 0);
}

TEST_F(GalleryRun, AnEmptyInputFolderEndsSilently) {
  const TRunOutcome outcome = job.RunGallery();
  EXPECT_EQ(outcome.Status, TRunStatus::NoImages);
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_TRUE(ui.Labels.empty());
  EXPECT_EQ(ui.DialogsAlive, 0);
}

TEST_F(GalleryRun, RowsBeyondTheRunKeepWhatAnEarlierRunLeft) {
  AddImages(5);
  job.RunGallery();
  for (int i = 3; i <= 5; ++i) std::remove((dir / Name(i)).c_str());
  job.RunGallery();
  EXPECT_EQ(pagesN, 2);
  EXPECT_EQ(job.Images[4].FileName, "photo05.jpg");
  EXPECT_EQ(job.Images[4].WebName, "photo05");
}

}  // namespace
}  // namespace ql
