// The folder chooser: a reusable component that shows a modal folder dialog, centred on the
// screen, captioned DialogTitle, with FolderName pre-selected, and returns the chosen folder.
// FolderName follows the highlighted folder while the dialog is open, even when the user finally
// cancels.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <set>

class QFileDialog;
class QWidget;

namespace ql::ui {

// The options of the browse window, each with the flag value the shell's folder browser gives it.
enum class TBrowseInfo {
  bifBrowseForComputer,          // 0x1000
  bifBrowseForPrinter,           // 0x2000
  bifDontGoBelowDomain,          // 0x0002
  bifReturnFileSystemAncestors,  // 0x0008
  bifReturnOnlyFileSystemDirs,   // 0x0001
  bifStatusText,                 // 0x0004
};
using TBrowseInfos = std::set<TBrowseInfo>;

inline constexpr unsigned BIF_RETURNONLYFSDIRS = 0x0001;
inline constexpr unsigned BIF_DONTGOBELOWDOMAIN = 0x0002;
inline constexpr unsigned BIF_STATUSTEXT = 0x0004;
inline constexpr unsigned BIF_RETURNFSANCESTORS = 0x0008;
inline constexpr unsigned BIF_BROWSEFORCOMPUTER = 0x1000;
inline constexpr unsigned BIF_BROWSEFORPRINTER = 0x2000;

class TOpenFolderDialog : public QObject {
  Q_OBJECT
 public:
  explicit TOpenFolderDialog(QWidget* owner);

  QString Title;        // text shown above the folder list
  QString FolderName;   // in: the folder to pre-select; out: the chosen folder
  QString DialogTitle;  // caption of the browse window; empty keeps the dialog's own
  TBrowseInfos BrowseInfo{TBrowseInfo::bifReturnOnlyFileSystemDirs};
  std::function<void()> OnShow;
  std::function<void()> OnClose;
  std::function<void()> OnSelectionChanged;  // each time the highlighted folder changes

  const QString& StatusText() const { return statusText_; }
  void SetStatusText(const QString& text);
  const QIcon& Icon() const { return icon_; }
  void SetIcon(const QIcon& icon) { icon_ = icon; }

  // True when the user confirmed a folder, whose path is then in FolderName.
  bool Execute();
  // The flag word: the OR of the flags of the members of BrowseInfo.
  void UpdateFlags();
  unsigned Flags() const { return flags_; }
  // Shows the browse window modally; true when a folder was confirmed.
  bool BrowseForFolder();
  // FolderName <- path; an open browse window selects it.
  void SetSelection(const QString& path);
  // Enables or disables the OK button of an open browse window.
  void EnableOKButton(bool enable);
  // Records the open browse window (nullptr: none is open).
  void SetDialogHandle(QFileDialog* window);

  // The browse window as BrowseForFolder shows it, set up but not yet shown: directory mode,
  // folders only, the caption, icon and pre-selection, centred when it is shown.
  std::unique_ptr<QFileDialog> CreateBrowseWindow();

 private:
  void Initialised(QFileDialog& window);
  void SelectionChanged(const QString& path);

  QWidget* owner_;
  QString statusText_;
  QIcon icon_;
  unsigned flags_ = 0;
  QPointer<QFileDialog> window_;
};

}  // namespace ql::ui
