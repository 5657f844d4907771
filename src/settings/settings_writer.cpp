#include "settings/settings_writer.h"

#include <vector>

#include "platform/errors.h"
#include "platform/text_lines.h"
#include "settings/settings_layout.h"

namespace ql {

namespace {

class TSettingsLines {
 public:
  void Value(std::string_view key, std::string_view value) {
    lines_.emplace_back(key);
    lines_.emplace_back(value);
  }
  void Int(std::string_view key, int value) { Value(key, std::to_string(value)); }
  void Flag(std::string_view key, bool value) { Value(key, value ? "1" : "0"); }
  void Block(std::string_view key, const TCodeBlock& block) {
    lines_.emplace_back(key);
    lines_.insert(lines_.end(), block.begin(), block.end());
    lines_.emplace_back(kBlockEnd);
  }

  std::string Text() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i].find_first_of("\r\n") != std::string::npos) {
        throw TError("line " + std::to_string(i + 1) + " of the settings would hold a line break");
      }
    }
    return JoinLinesCrLf(lines_);
  }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

std::string BuildSettingsText(const TGalleryOptions& o, int sortIndex, std::string_view sourcePath,
                              std::string_view destPath) {
  TSettingsLines file;
  file.Int("[Quality]", o.Quality);
  file.Int("[maxWidth]", o.maxWidth);
  file.Int("[maxHeight]", o.maxHeight);
  file.Int("[ThumbQuality]", o.ThumbQuality);
  file.Int("[maxThumbSize]", o.maxThumbSize);
  file.Int("[Columns]", o.Columns);
  file.Int("[Rows]", o.Rows);
  file.Flag("[UseNames]", o.UseNames);
  file.Flag("[UseImage]", o.UseImage);
  file.Value("[ImageFile]", o.ImageFile);
  file.Flag("[UseColors]", o.UseColors);
  file.Int("[BGColor]", o.BGColor);
  file.Int("[TextColor]", o.TextColor);
  file.Int("[LinkColor]", o.LinkColor);
  file.Int("[VisitedColor]", o.VisitedColor);
  file.Block("[Code1]", o.Code1);
  file.Block("[Code2]", o.Code2);
  file.Block("[Code3]", o.Code3);
  file.Block("[Code1 Images]", o.Code1Images);
  file.Flag("[UseImage Images]", o.UseImageImages);
  file.Value("[ImageFile Images]", o.ImageFileImages);
  file.Flag("[UseColors Images]", o.UseColorsImages);
  file.Int("[BGColor Images]", o.BGColorImages);
  file.Int("[TextColor Images]", o.TextColorImages);
  file.Int("[LinkColor Images]", o.LinkColorImages);
  file.Int("[VisitedColor Images]", o.VisitedColorImages);
  file.Int("[Sorting Order]", sortIndex);
  file.Value("[Source Path]", sourcePath);
  file.Value("[Destination Path]", destPath);
  return file.Text();
}

}  // namespace ql
