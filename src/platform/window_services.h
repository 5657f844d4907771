// What the job needs of its window: the values of the controls it reads and sets, modal message
// boxes, a progress dialog, the dispatch of pending window messages, the busy cursor and opening
// a page. The Qt window implements it, so does the command-line front end, and tests use a
// scripted fake.
#pragma once

#include <memory>
#include <string>

namespace ql {

// Message box styles and answers, with the values of the Windows API that the settings and
// callers may rely on.
inline constexpr int MB_OK = 0x00;
inline constexpr int MB_OKCANCEL = 0x01;
inline constexpr int MB_ICONHAND = 0x10;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The progress dialog of one run: hidden when created, status line empty, bar at 0 and
// CancelRequested false; destroyed at the end of the run on every path.
class IProgressDialog {
 public:
  virtual ~IProgressDialog() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void SetLabel2(const std::string& text) = 0;  // the status line, "Image 3 of 120"
  virtual void SetProgressBar1(int position) = 0;       // 0 to 100
  virtual bool CancelRequested() const = 0;
};

class IWindowServices {
 public:
  virtual ~IWindowServices() = default;

  // --- Controls of the main window -----------------------------------------------------------
  virtual int TrackBarQualityPosition() const = 0;
  // Sets the position; the track bar limits it to 1..100.
  virtual void SetTrackBarQualityPosition(int position) = 0;
  virtual int TrackBarThumbQualityPosition() const = 0;
  virtual void SetTrackBarThumbQualityPosition(int position) = 0;

  virtual std::string MaskEditMaxWidthText() const = 0;
  virtual void SetMaskEditMaxWidthText(const std::string& text) = 0;
  virtual std::string MaskEditMaxHeightText() const = 0;
  virtual void SetMaskEditMaxHeightText(const std::string& text) = 0;
  virtual std::string MaskEditUserSizeText() const = 0;
  virtual void SetMaskEditUserSizeText(const std::string& text) = 0;

  virtual int ComboBoxFilterIndex() const = 0;  // 0..6
  virtual int SortModeIndex() const = 0;        // -1 (no item) .. 3
  // Sets the item index, limited to -1..3; a change runs the group's click handler, which
  // enables CheckBoxExif for date orders and disables it for name orders.
  virtual void SetSortModeIndex(int index) = 0;
  virtual bool CheckBoxExifChecked() const = 0;
  virtual bool CheckBoxCreateNoImagesChecked() const = 0;

  virtual std::string EditSourceText() const = 0;
  virtual void SetEditSourceText(const std::string& text) = 0;
  virtual std::string EditDestiText() const = 0;
  virtual void SetEditDestiText(const std::string& text) = 0;
  virtual void SetRunButtonEnabled(bool enabled) = 0;

  // --- Window services -----------------------------------------------------------------------
  // A modal message box; flags are MB_OK or MB_OKCANCEL combined with MB_ICONHAND. Returns IDOK
  // or IDCANCEL.
  virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
  virtual std::unique_ptr<IProgressDialog> CreateProgressDialog() = 0;
  // Lets the platform dispatch all pending window messages.
  virtual void ProcessMessages() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Opens a page with the user's default program; the outcome is not examined.
  virtual void OpenDocument(const std::string& path) = 0;
};

}  // namespace ql
