#include "ui/open_folder_dialog.h"

#include <QDir>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "ui/modal_windows.h"
#include "ui/my_process.h"

namespace ql::ui {

namespace {

unsigned FlagOf(TBrowseInfo member) {
  switch (member) {
    case TBrowseInfo::bifBrowseForComputer: return BIF_BROWSEFORCOMPUTER;
    case TBrowseInfo::bifBrowseForPrinter: return BIF_BROWSEFORPRINTER;
    case TBrowseInfo::bifDontGoBelowDomain: return BIF_DONTGOBELOWDOMAIN;
    case TBrowseInfo::bifReturnFileSystemAncestors: return BIF_RETURNFSANCESTORS;
    case TBrowseInfo::bifReturnOnlyFileSystemDirs: return BIF_RETURNONLYFSDIRS;
    case TBrowseInfo::bifStatusText: return BIF_STATUSTEXT;
  }
  return 0;
}

// Centres the browse window once it has its size, the moment it is shown.
class TCentreOnShow : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* window = qobject_cast<QWidget*>(watched)) CentreOnScreen(*window);
    }
    return false;
  }
};

}  // namespace

TOpenFolderDialog::TOpenFolderDialog(QWidget* owner) : QObject(owner), owner_(owner) {
  setObjectName("OpenFolderDialog");
}

void TOpenFolderDialog::SetStatusText(const QString& text) {
  statusText_ = text;
  // The folder dialog of this platform has no status line; the text is only kept.
}

void TOpenFolderDialog::UpdateFlags() {
  flags_ = 0;
  for (TBrowseInfo member : BrowseInfo) flags_ |= FlagOf(member);
}

bool TOpenFolderDialog::Execute() {
  UpdateFlags();
  return BrowseForFolder();
}

void TOpenFolderDialog::SetSelection(const QString& path) {
  FolderName = path;
  if (window_ && QFileInfo(path).isDir()) {
    const QFileInfo folder(path);
    window_->setDirectory(folder.absolutePath());
    window_->selectFile(folder.absoluteFilePath());
  }
}

void TOpenFolderDialog::EnableOKButton(bool enable) {
  if (!window_) return;
  if (auto* box = window_->findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = box->button(QDialogButtonBox::Open)) ok->setEnabled(enable);
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setEnabled(enable);
  }
}

void TOpenFolderDialog::SetDialogHandle(QFileDialog* window) { window_ = window; }

std::unique_ptr<QFileDialog> TOpenFolderDialog::CreateBrowseWindow() {
  auto window = std::make_unique<QFileDialog>(owner_);
  // Our own dialog, not the desktop's, so that it can be centred and followed.
  window->setOption(QFileDialog::DontUseNativeDialog);
  window->setFileMode(QFileDialog::Directory);
  window->setOption(QFileDialog::ShowDirsOnly);
  window->setAcceptMode(QFileDialog::AcceptOpen);
  window->installEventFilter(new TCentreOnShow(window.get()));
  connect(window.get(), &QFileDialog::currentChanged, this, &TOpenFolderDialog::SelectionChanged);
  connect(window.get(), &QFileDialog::directoryEntered, this, &TOpenFolderDialog::SelectionChanged);
  Initialised(*window);
  return window;
}

void TOpenFolderDialog::Initialised(QFileDialog& window) {
  const QString remembered = FolderName;
  SetDialogHandle(&window);
  if (!DialogTitle.isEmpty()) window.setWindowTitle(DialogTitle);
  if (!Title.isEmpty()) window.setLabelText(QFileDialog::LookIn, Title);
  if (!icon_.isNull()) window.setWindowIcon(icon_);
  // A folder that does not exist selects nothing; the dialog starts at the home folder.
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
    SetSelection(remembered);
  } else {
    window.setDirectory(QDir::homePath());
  }
  if (OnShow) OnShow();
}

void TOpenFolderDialog::SelectionChanged(const QString& path) {
  if (!path.isEmpty() && QFileInfo(path).isDir()) FolderName = path;
  if (OnSelectionChanged) OnSelectionChanged();
}

bool TOpenFolderDialog::BrowseForFolder() {
  bool result = false;
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    hooks.FolderRequests.push_back({DialogTitle, FolderName, flags_});
    if (!hooks.Folders.empty()) {
      const std::optional<QString> answer = hooks.Folders.front();
      hooks.Folders.pop_front();
      if (answer) {
        FolderName = *answer;
        result = true;
      }
    }
  } else {
    std::unique_ptr<QFileDialog> window = CreateBrowseWindow();
    if (window->exec() == QDialog::Accepted && !window->selectedFiles().isEmpty()) {
      const QString chosen = window->selectedFiles().constFirst();
      if (QFileInfo(chosen).isDir()) {
        FolderName = QDir::cleanPath(chosen);
        result = true;
      }
    }
  }
  SetDialogHandle(nullptr);
  if (OnClose) OnClose();
  return result;
}

}  // namespace ql::ui
