// The control values of the window-services interface held in plain members, for front ends and
// tests that have no real controls. The window services proper stay abstract.
#pragma once

#include <algorithm>
#include <string>

#include "platform/window_services.h"

namespace ql {

class TMemoryControls : public IWindowServices {
 public:
  int TrackBarQualityPosition() const override { return quality_; }
  void SetTrackBarQualityPosition(int position) override { quality_ = std::clamp(position, 1, 100); }
  int TrackBarThumbQualityPosition() const override { return thumbQuality_; }
  void SetTrackBarThumbQualityPosition(int position) override { thumbQuality_ = std::clamp(position, 1, 100); }

  std::string MaskEditMaxWidthText() const override { return maxWidth_; }
  void SetMaskEditMaxWidthText(const std::string& text) override { maxWidth_ = text; }
  std::string MaskEditMaxHeightText() const override { return maxHeight_; }
  void SetMaskEditMaxHeightText(const std::string& text) override { maxHeight_ = text; }
  std::string MaskEditUserSizeText() const override { return userSize_; }
  void SetMaskEditUserSizeText(const std::string& text) override { userSize_ = text; }

  int ComboBoxFilterIndex() const override { return filter_; }
  void SetComboBoxFilterIndex(int index) { filter_ = index; }
  int SortModeIndex() const override { return sortMode_; }
  void SetSortModeIndex(int index) override {
    sortMode_ = std::clamp(index, -1, 3);
    exifEnabled_ = sortMode_ <= 1;
  }
  bool CheckBoxExifChecked() const override { return exif_; }
  void SetCheckBoxExifChecked(bool checked) { exif_ = checked; }
  bool CheckBoxExifEnabled() const { return exifEnabled_; }
  bool CheckBoxCreateNoImagesChecked() const override { return createNoImages_; }
  void SetCheckBoxCreateNoImagesChecked(bool checked) { createNoImages_ = checked; }

  std::string EditSourceText() const override { return editSource_; }
  void SetEditSourceText(const std::string& text) override { editSource_ = text; }
  std::string EditDestiText() const override { return editDesti_; }
  void SetEditDestiText(const std::string& text) override { editDesti_ = text; }
  void SetRunButtonEnabled(bool enabled) override { runEnabled_ = enabled; }
  bool RunButtonEnabled() const { return runEnabled_; }

 private:
  int quality_ = 85;
  int thumbQuality_ = 85;
  std::string maxWidth_ = "800";
  std::string maxHeight_ = "600";
  std::string userSize_ = "140";
  int filter_ = 5;
  int sortMode_ = 0;
  bool exif_ = true;
  bool exifEnabled_ = true;
  bool createNoImages_ = false;
  std::string editSource_;
  std::string editDesti_;
  bool runEnabled_ = false;
};

}  // namespace ql
