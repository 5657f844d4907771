// Loading and saving settings files: the layout, the earlier layout, the optional sort and folder
// lines, the conversions of single values, key lines and end lines, and the text encodings.
#include <gtest/gtest.h>

#include <functional>

#include "platform/file_system.h"
#include "platform/text_encoding.h"
#include "platform/text_lines.h"
#include "settings/default_code_blocks.h"
#include "settings/default_options.h"
#include "settings/settings_file.h"
#include "settings/startup.h"
#include "settings_test_support.h"
#include "support/temp_dir.h"

namespace ql::test {
namespace {

TGalleryOptions Defaults() {
  TGalleryOptions o;
  SetDefaultOptions(o);
  return o;
}

class SettingsFile : public ::testing::Test {
 protected:
  // Writes `text` as a settings file and loads it into the test job.
  int Load(const std::string& text) {
    WriteFile(path_, text);
    return LoadSettingsFile(t_.job, path_);
  }
  int Load(const std::vector<std::string>& lines) { return Load(JoinLines(lines)); }

  TTempDir dir_;
  std::string path_ = dir_ / "test.qvl";
  TTestJob t_;
};

TEST_F(SettingsFile, GoldenFileLoadsAsTheBuiltInDefaults) {
  t_.job.Options = TGalleryOptions{};
  ASSERT_EQ(Load(GoldenText()), 0);
  EXPECT_EQ(t_.job.Options, Defaults());
  EXPECT_EQ(t_.ui.SortModeIndex(), 0);
  EXPECT_EQ(t_.ui.TrackBarQualityPosition(), 85);
  EXPECT_EQ(t_.ui.TrackBarThumbQualityPosition(), 85);
  EXPECT_EQ(t_.ui.MaskEditUserSizeText(), "140");
  EXPECT_EQ(t_.ui.MaskEditMaxWidthText(), "800");
  EXPECT_EQ(t_.ui.MaskEditMaxHeightText(), "600");
  // "< not chosen yet >" names no folder: the fields and the folders stay, the run button goes off.
  EXPECT_EQ(t_.ui.EditSourceText(), "typed source");
  EXPECT_EQ(t_.job.SourceDir, "/remembered/source");
  EXPECT_FALSE(t_.ui.RunButtonEnabled());
}

TEST_F(SettingsFile, SaveThenLoadReproducesEveryStoredField) {
  TTempDir folders;
  const std::string source = folders / "in put", dest = folders / "out";
  ASSERT_TRUE(CreateFolderWithParents(source));
  ASSERT_TRUE(CreateFolderWithParents(dest));
  t_.ui.SetSortModeIndex(3);
  t_.ui.SetEditSourceText(source);
  t_.ui.SetEditDestiText(dest);
  ASSERT_EQ(SaveSettingsFile(t_.job, path_), 0);

  const std::string text = ReadFile(path_);
  EXPECT_TRUE(IsValidUtf8(text));
  const std::vector<std::string> lines = SplitLines(text);
  const TGalleryOptions& saved = t_.job.Options;
  // Line 31 is the first block's key line; each block adds its lines and its end line, and
  // every block after the first its key line.
  const std::size_t c4 =
      31 + saved.Code1.size() + 1 + 1 + saved.Code2.size() + 1 + 1 + saved.Code3.size() + 1 + 1 + saved.Code1Images.size() + 1;
  EXPECT_EQ(lines.size(), c4 + 20);
  EXPECT_EQ(lines[31], saved.Code1[0]);  // the first block starts at line 32
  EXPECT_EQ(JoinLines(lines), text);     // CR LF after every line, the last included

  TFakeWindowServices ui;
  TGalleryJob loaded(ui);
  loaded.Options.UseNamesImages = false;  // not in the file: stays as it was
  ASSERT_EQ(LoadSettingsFile(loaded, path_), 0);
  TGalleryOptions expected = saved;
  expected.UseNamesImages = false;
  EXPECT_EQ(loaded.Options, expected);
  EXPECT_EQ(ui.SortModeIndex(), 3);
  EXPECT_FALSE(ui.CheckBoxExifEnabled());
  EXPECT_EQ(ui.EditSourceText(), source);
  EXPECT_EQ(ui.EditDestiText(), dest);
  EXPECT_EQ(loaded.SourceDir, source);
  EXPECT_EQ(loaded.DestDir, dest);
  EXPECT_TRUE(ui.RunButtonEnabled());
  EXPECT_EQ(ui.TrackBarQualityPosition(), 70);
  EXPECT_EQ(ui.TrackBarThumbQualityPosition(), 60);
  EXPECT_EQ(ui.MaskEditMaxWidthText(), "1024");
  EXPECT_EQ(ui.MaskEditMaxHeightText(), "768");
  EXPECT_EQ(ui.MaskEditUserSizeText(), "120");
}

TEST_F(SettingsFile, EarlierLayoutTakesTheLegacyTemplateAndTheIndexPageSettings) {
  std::vector<std::string> lines = FirstLines(GoldenLines(), kC3);
  lines = WithLine(lines, 16, "1");          // UseNames
  lines = WithLine(lines, 18, "0");          // UseImage
  lines = WithLine(lines, 20, "back.jpg");   // ImageFile
  lines = WithLine(lines, 22, "1");          // UseColors
  lines = WithLine(lines, 24, "255");        // BGColor
  lines = WithLine(lines, 26, "0");          // TextColor
  lines = WithLine(lines, 28, "65280");      // LinkColor
  lines = WithLine(lines, 30, "-7");         // VisitedColor
  t_.job.Options.ImageFileImages = "keep.jpg";
  t_.job.Options.UseNamesImages = false;
  const TJobSnapshot before = Snapshot(t_.job, t_.ui);

  ASSERT_EQ(Load(lines), 0);
  const TGalleryOptions& o = t_.job.Options;
  EXPECT_EQ(o.Code1Images, LegacyImagePageTemplate());
  EXPECT_EQ(o.Code1Images[2], "  <meta name=\"generator\" content=\"QuorvaLinde 1.1 Freeware\">");
  EXPECT_EQ(o.Code1, DefaultCodeBlock(7));
  EXPECT_EQ(o.Code3, DefaultCodeBlock(9));
  EXPECT_TRUE(o.UseNamesImages);
  EXPECT_FALSE(o.UseImageImages);
  EXPECT_TRUE(o.UseColorsImages);
  EXPECT_EQ(o.BGColorImages, 255);
  EXPECT_EQ(o.TextColorImages, 0);
  EXPECT_EQ(o.LinkColorImages, 65280);
  EXPECT_EQ(o.VisitedColorImages, -7);
  EXPECT_EQ(o.ImageFile, "back.jpg");
  EXPECT_EQ(o.ImageFileImages, "keep.jpg");
  // No sort order, no folders: they and the run button keep their state.
  EXPECT_EQ(t_.ui.SortModeIndex(), before.SortMode);
  EXPECT_EQ(t_.ui.EditSourceText(), before.EditSource);
  EXPECT_EQ(t_.ui.EditDestiText(), before.EditDesti);
  EXPECT_EQ(t_.job.SourceDir, before.SourceDir);
  EXPECT_EQ(t_.job.DestDir, before.DestDir);
  EXPECT_EQ(t_.ui.RunButtonEnabled(), before.RunEnabled);
}

TEST_F(SettingsFile, FileWithoutSortAndFolderLinesKeepsThemAndTheRunButton) {
  for (const std::size_t count : {kC4 + 14, kC4 + 15}) {
    SCOPED_TRACE(count);
    TTestJob t;
    t.job.Options.UseNamesImages = false;
    const TJobSnapshot before = Snapshot(t.job, t.ui);
    std::vector<std::string> lines = WithLine(GoldenLines(), kC4 + 6, "1");  // UseColorsImages
    WriteFile(path_, JoinLines(FirstLines(lines, count)));
    ASSERT_EQ(LoadSettingsFile(t.job, path_), 0);
    TGalleryOptions expected = Defaults();
    expected.UseColorsImages = true;
    EXPECT_EQ(t.job.Options, expected);
    TJobSnapshot after = Snapshot(t.job, t.ui);
    after.Options = before.Options;
    after.Quality = before.Quality, after.ThumbQuality = before.ThumbQuality;
    after.MaxWidth = before.MaxWidth, after.MaxHeight = before.MaxHeight, after.UserSize = before.UserSize;
    EXPECT_EQ(after, before);
  }
}

TEST_F(SettingsFile, FolderLinesTakeOnlyExistingFolders) {
  TTempDir folders;
  const std::string a = folders / "a", b = folders / "b";
  ASSERT_TRUE(CreateFolderWithParents(a));
  ASSERT_TRUE(CreateFolderWithParents(b));
  struct TCase {
    const char* name;
    std::string sourceLine, destLine;
    std::string rememberedSource, rememberedDest;
    std::string source, dest;  // the folders afterwards, also shown in the fields
    bool fieldsChanged[2];
    bool run;
  };
  const std::string missing = folders / "missing";
  const TCase cases[] = {
      {"both exist", a, b, "/none", "/none", a, b, {true, true}, true},
      {"source missing", missing, b, "/none", "/none", "/none", b, {false, true}, false},
      {"missing, remembered ones exist", missing, missing, a, b, a, b, {false, false}, true},
      {"empty lines", "", "", "/none", "/none", "/none", "/none", {false, false}, false},
      {"zero byte cuts the name", a + std::string(1, '\0') + "x", b, "/none", "/none", "/none", b, {false, true},
       false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestJob t;
    t.job.SourceDir = c.rememberedSource;
    t.job.DestDir = c.rememberedDest;
    t.ui.SetRunButtonEnabled(!c.run);
    std::vector<std::string> lines = WithLine(GoldenLines(), kSourceLine, c.sourceLine);
    lines = WithLine(lines, kDestLine, c.destLine);
    WriteFile(path_, JoinLines(lines));
    ASSERT_EQ(LoadSettingsFile(t.job, path_), 0);
    EXPECT_EQ(t.job.SourceDir, c.source);
    EXPECT_EQ(t.job.DestDir, c.dest);
    EXPECT_EQ(t.ui.EditSourceText(), c.fieldsChanged[0] ? c.source : "typed source");
    EXPECT_EQ(t.ui.EditDestiText(), c.fieldsChanged[1] ? c.dest : "typed dest");
    EXPECT_EQ(t.ui.RunButtonEnabled(), c.run);
  }
}

// One value line of the golden file replaced; what the job and the controls show afterwards.
TEST_F(SettingsFile, SingleValuesConvertAndReachTheControls) {
  using TCheck = std::function<void(const TTestJob&)>;
  struct TCase {
    std::size_t line;
    const char* text;
    TCheck check;
  };
  const TCase cases[] = {
      {2, "150", [](const TTestJob& t) {
         EXPECT_EQ(t.job.Options.Quality, 150);
         EXPECT_EQ(t.ui.TrackBarQualityPosition(), 100);
       }},
      {8, "0", [](const TTestJob& t) {
         EXPECT_EQ(t.job.Options.ThumbQuality, 0);
         EXPECT_EQ(t.ui.TrackBarThumbQualityPosition(), 1);
       }},
      {2, " \t+85", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.Quality, 85); }},
      {2, "$55", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.Quality, 85); }},
      {12, "0x1F", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.Columns, 31); }},
      {14, "x0a", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.Rows, 10); }},
      {24, "$FFFFFFFF", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.BGColor, -1); }},
      {26, "-2147483648", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.TextColor, -2147483647 - 1); }},
      {16, "2", [](const TTestJob& t) { EXPECT_TRUE(t.job.Options.UseNames); }},
      {18, "-1", [](const TTestJob& t) { EXPECT_TRUE(t.job.Options.UseImage); }},
      {4, "12345", [](const TTestJob& t) {
         EXPECT_EQ(t.job.Options.maxWidth, 12345);
         EXPECT_EQ(t.ui.MaskEditMaxWidthText(), "9999");
       }},
      {6, "-5", [](const TTestJob& t) {
         EXPECT_EQ(t.job.Options.maxHeight, -5);
         EXPECT_EQ(t.ui.MaskEditMaxHeightText(), "0");
       }},
      {10, "1000", [](const TTestJob& t) {
         EXPECT_EQ(t.job.Options.maxThumbSize, 1000);
         EXPECT_EQ(t.ui.MaskEditUserSizeText(), "999");
       }},
      {10, "999", [](const TTestJob& t) { EXPECT_EQ(t.ui.MaskEditUserSizeText(), "999"); }},
      {kSortLine, "7", [](const TTestJob& t) {
         EXPECT_EQ(t.ui.SortModeIndex(), 3);
         EXPECT_FALSE(t.ui.CheckBoxExifEnabled());
       }},
      {kSortLine, "-3", [](const TTestJob& t) {
         EXPECT_EQ(t.ui.SortModeIndex(), -1);
         EXPECT_TRUE(t.ui.CheckBoxExifEnabled());
       }},
      {kSortLine, "2", [](const TTestJob& t) {
         EXPECT_EQ(t.ui.SortModeIndex(), 2);
         EXPECT_FALSE(t.ui.CheckBoxExifEnabled());
       }},
      {kSortLine, "1", [](const TTestJob& t) {
         EXPECT_EQ(t.ui.SortModeIndex(), 1);
         EXPECT_TRUE(t.ui.CheckBoxExifEnabled());
       }},
      {20, "  spaced path  ", [](const TTestJob& t) { EXPECT_EQ(t.job.Options.ImageFile, "  spaced path  "); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
    TTestJob t;
    WriteFile(path_, JoinLines(WithLine(GoldenLines(), c.line, c.text)));
    ASSERT_EQ(LoadSettingsFile(t.job, path_), 0);
    c.check(t);
  }
}

TEST_F(SettingsFile, SaveSettingsWritesWhatTheControlsShow) {
  std::vector<std::string> lines = WithLine(GoldenLines(), 2, "150");  // Quality
  lines = WithLine(lines, 16, "2");                                      // UseNames
  lines = WithLine(lines, 26, "-1");                                     // TextColor
  lines = WithLine(lines, 4, "12345");                                   // maxWidth
  ASSERT_EQ(Load(lines), 0);
  CopyControlsToOptions(t_.job);
  EXPECT_EQ(t_.job.Options.Quality, 100);
  EXPECT_EQ(t_.job.Options.maxWidth, 9999);
  ASSERT_EQ(SaveSettingsFile(t_.job, path_), 0);
  const std::vector<std::string> saved = SplitLines(ReadFile(path_));
  EXPECT_EQ(saved[1], "100");
  EXPECT_EQ(saved[3], "9999");
  EXPECT_EQ(saved[15], "1");
  EXPECT_EQ(saved[25], "-1");
}

TEST_F(SettingsFile, KeyLinesAreNeverRead) {
  ASSERT_EQ(Load(GoldenText()), 0);
  const TJobSnapshot expected = Snapshot(t_.job, t_.ui);
  for (const char* key : {"", "[Rows]", "@*end/@"}) {
    SCOPED_TRACE(key);
    std::vector<std::string> lines = GoldenLines();
    int keys = 0;
    for (std::string& line : lines) {
      if (!line.empty() && line[0] == '[') {
        line = key;
        ++keys;
      }
    }
    ASSERT_EQ(keys, 4 + 15 + 7 + 3);
    TTestJob t;
    WriteFile(path_, JoinLines(lines));
    ASSERT_EQ(LoadSettingsFile(t.job, path_), 0);
    EXPECT_EQ(Snapshot(t.job, t.ui), expected);
  }
}

TEST_F(SettingsFile, EndLinesAreComparedTrimmedAndExactly) {
  // Blanks and control characters around the end line still end the block.
  std::vector<std::string> lines = WithLine(GoldenLines(), kC1, " \t@*end/@  ");
  lines = WithLine(lines, kC2, std::string("\x01@*end/@\x1F", 9));
  lines = WithLine(lines, kC3, "@*end/@ ");
  lines = WithLine(lines, kC4, "\t@*end/@");
  t_.job.Options.UseNamesImages = false;
  ASSERT_EQ(Load(lines), 0);
  EXPECT_EQ(t_.job.Options, Defaults());

  // A line that holds more than the end line, or another letter case, is a code line.
  std::vector<std::string> code = GoldenLines();
  code.insert(code.begin() + 32, {"@*END/@", "x @*end/@", "@*end/@@"});
  ASSERT_EQ(Load(code), 0);
  TGalleryOptions expected = Defaults();
  expected.Code1.insert(expected.Code1.begin() + 1, {"@*END/@", "x @*end/@", "@*end/@@"});
  EXPECT_EQ(t_.job.Options, expected);
}

TEST_F(SettingsFile, CodeLineThatReadsAsAnEndLineShiftsTheLinesAfterIt) {
  // Such a line cannot be kept in a block: written as it stands, it ends its block on reading,
  // and the lines after it are read at the wrong positions.
  t_.job.Options = Defaults();
  t_.job.Options.Code3 = {"before", "  @*end/@ ", "after"};
  ASSERT_EQ(SaveSettingsFile(t_.job, path_), 0);
  TTestJob t;
  const TJobSnapshot before = Snapshot(t.job, t.ui);
  // Lines 69 to 72 are "before", the would-be code line, "after" and the block's real end
  // line; "after" is taken for the next key line, the image-page block is empty, and the
  // image-page flag is read from that block's first line.
  try {
    LoadSettingsFile(t.job, path_);
    ADD_FAILURE() << "loaded";
  } catch (const TFileError& error) {
    EXPECT_EQ(error.Reason(), "line 74: '<html>' is not a number");
  }
  EXPECT_EQ(Snapshot(t.job, t.ui), before);
}

TEST_F(SettingsFile, LineBreaksOfEveryKindAndAByteOrderMark) {
  struct TCase {
    const char* name;
    std::string text;
  };
  const std::vector<std::string> golden = GoldenLines();
  const TCase cases[] = {
      {"LF", JoinLines(golden, "\n")},
      {"CR", JoinLines(golden, "\r")},
      {"mixed, no break at the end", [&] {
         const char* const eols[] = {"\n", "\r", "\r\n"};
         std::string text;
         for (std::size_t i = 0; i < golden.size(); ++i) text += golden[i] + (i + 1 < golden.size() ? eols[i % 3] : "");
         return text;
       }()},
      {"byte-order mark on the first key line", "\xEF\xBB\xBF" + GoldenText()},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestJob t;
    WriteFile(path_, c.text);
    ASSERT_EQ(LoadSettingsFile(t.job, path_), 0);
    TGalleryOptions expected = Defaults();
    expected.UseNamesImages = t.job.Options.UseNamesImages;
    EXPECT_EQ(t.job.Options, expected);
    EXPECT_EQ(t.ui.SortModeIndex(), 0);
  }
}

TEST_F(SettingsFile, WindowsFileKeepsItsAccentedCharacters) {
  // The earlier Windows program wrote Windows-1252: é is E9, ü FC, € 80.
  std::vector<std::string> lines = FirstLines(GoldenLines(), kC3);
  lines = WithLine(lines, 20, "C:\\Bilder\\M\xFCller.jpg");
  lines = WithLine(lines, 32, "<title>Galerie d'\xE9t\xE9 \x80 5</title>");
  ASSERT_EQ(Load(lines), 0);
  EXPECT_EQ(t_.job.Options.ImageFile, "C:\\Bilder\\Müller.jpg");
  EXPECT_EQ(t_.job.Options.Code1[0], "<title>Galerie d'été € 5</title>");

  // Saved again, the file is UTF-8 and reads back the same.
  const TGalleryOptions loaded = t_.job.Options;
  ASSERT_EQ(SaveSettingsFile(t_.job, path_), 0);
  const std::string saved = ReadFile(path_);
  EXPECT_TRUE(IsValidUtf8(saved));
  EXPECT_NE(saved.find("M\xC3\xBCller"), std::string::npos);
  ASSERT_EQ(LoadSettingsFile(t_.job, path_), 0);
  EXPECT_EQ(t_.job.Options, loaded);

  // A file that is valid UTF-8 is taken as it stands, not converted a second time.
  ASSERT_EQ(Load(WithLine(GoldenLines(), 20, "Müller.jpg")), 0);
  EXPECT_EQ(t_.job.Options.ImageFile, "Müller.jpg");
}

}  // namespace
}  // namespace ql::test
