#include "settings_test_support.h"

#include <unistd.h>

#include <stdexcept>

#include "platform/file_system.h"
#include "platform/text_lines.h"
#include "support/temp_dir.h"

namespace ql {

void PrintTo(const TGalleryOptions& o, std::ostream* out) {
  auto block = [out](const char* name, const TCodeBlock& lines) {
    *out << " " << name << "={";
    for (const std::string& line : lines) *out << '"' << line << "\",";
    *out << "}";
  };
  *out << "{Quality=" << o.Quality << " maxWidth=" << o.maxWidth << " maxHeight=" << o.maxHeight
       << " ThumbQuality=" << o.ThumbQuality << " maxThumbSize=" << o.maxThumbSize << " Columns=" << o.Columns
       << " Rows=" << o.Rows << " UseImage=" << o.UseImage << " UseNames=" << o.UseNames << " ImageFile=\""
       << o.ImageFile << "\" UseColors=" << o.UseColors << " BGColor=" << o.BGColor << " TextColor=" << o.TextColor
       << " LinkColor=" << o.LinkColor << " VisitedColor=" << o.VisitedColor;
  block("Code1", o.Code1);
  block("Code2", o.Code2);
  block("Code3", o.Code3);
  *out << " UseImageImages=" << o.UseImageImages << " UseNamesImages=" << o.UseNamesImages
       << " ImageFileImages=\"" << o.ImageFileImages << "\" UseColorsImages=" << o.UseColorsImages
       << " BGColorImages=" << o.BGColorImages << " TextColorImages=" << o.TextColorImages
       << " LinkColorImages=" << o.LinkColorImages << " VisitedColorImages=" << o.VisitedColorImages;
  block("Code1Images", o.Code1Images);
  *out << "}";
}

}  // namespace ql

namespace ql::test {

std::string GoldenText() { return ReadFile(DataFile("settings/default.qvl")); }

std::vector<std::string> GoldenLines() { return SplitLines(GoldenText()); }

std::string JoinLines(const std::vector<std::string>& lines, std::string_view eol) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += eol;
  }
  return text;
}

std::vector<std::string> WithLine(std::vector<std::string> lines, std::size_t number, std::string text) {
  lines.at(number - 1) = std::move(text);
  return lines;
}

std::vector<std::string> FirstLines(std::vector<std::string> lines, std::size_t count) {
  lines.resize(count);
  return lines;
}

TGalleryOptions DistinctOptions() {
  TGalleryOptions o;
  o.Quality = 70;
  o.maxWidth = 1024;
  o.maxHeight = 768;
  o.ThumbQuality = 60;
  o.maxThumbSize = 120;
  o.Columns = 5;
  o.Rows = 7;
  o.UseImage = true;
  o.UseNames = true;
  o.ImageFile = "/home/anna/Bilder/Hintergrund für Seiten.jpg";
  o.UseColors = true;
  o.BGColor = 0x123456;
  o.TextColor = -16777201;  // top byte set: system colour 15
  o.LinkColor = 0;
  o.VisitedColor = 2147483647;
  o.Code1 = {"<html>", "  <title>x@*end/@y</title>  ", " ", "", "\ttab and trailing blank "};
  o.Code2 = {};
  o.Code3 = {"@*END/@", " @*end/@x", "@*end/", "ünïcödé € ✓"};
  o.UseImageImages = false;
  o.UseNamesImages = true;
  o.ImageFileImages = "";
  o.UseColorsImages = true;
  o.BGColorImages = 1;
  o.TextColorImages = -2147483647 - 1;
  o.LinkColorImages = 255;
  o.VisitedColorImages = 65280;
  o.Code1Images = {"@body@", "<img src=\"@image@\">"};
  return o;
}

TJobSnapshot Snapshot(TGalleryJob& job, const TFakeWindowServices& ui) {
  return {job.Options,
          job.SourceDir,
          job.DestDir,
          ui.TrackBarQualityPosition(),
          ui.TrackBarThumbQualityPosition(),
          ui.MaskEditMaxWidthText(),
          ui.MaskEditMaxHeightText(),
          ui.MaskEditUserSizeText(),
          ui.SortModeIndex(),
          ui.CheckBoxExifEnabled(),
          ui.EditSourceText(),
          ui.EditDestiText(),
          ui.RunButtonEnabled()};
}

TTestJob::TTestJob() {
  job.Options = DistinctOptions();
  job.SourceDir = "/remembered/source";
  job.DestDir = "/remembered/dest";
  ui.SetTrackBarQualityPosition(42);
  ui.SetTrackBarThumbQualityPosition(43);
  ui.SetMaskEditMaxWidthText("1111");
  ui.SetMaskEditMaxHeightText("2222");
  ui.SetMaskEditUserSizeText("333");
  ui.SetSortModeIndex(2);
  ui.SetEditSourceText("typed source");
  ui.SetEditDestiText("typed dest");
  ui.SetRunButtonEnabled(true);
}

TCurrentDirectory::TCurrentDirectory(const std::string& dir) : previous_(CurrentDirectory()) {
  if (chdir(dir.c_str()) != 0) throw std::runtime_error("cannot change to " + dir);
}

TCurrentDirectory::~TCurrentDirectory() {
  if (chdir(previous_.c_str()) != 0) std::abort();
}

}  // namespace ql::test
