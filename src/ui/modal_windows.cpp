#include "ui/modal_windows.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>

#include "platform/window_services.h"
#include "ui/system_colours.h"
#include "ui/ui_text.h"

namespace ql::ui {

void TModalHooks::Reset() { *this = TModalHooks{}; Active = true; }

TModalHooks& ModalHooks() {
  static TModalHooks hooks;
  return hooks;
}

int ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption, int flags) {
  TModalHooks& hooks = ModalHooks();
  const bool okCancel = (flags & 0x0F) == MB_OKCANCEL;
  if (hooks.Active) {
    hooks.Messages.push_back({text, caption, flags});
    // A box with OK alone takes no scripted answer; the answers belong to the questions.
    if (!okCancel || hooks.Answers.empty()) return IDOK;
    const int answer = hooks.Answers.front();
    hooks.Answers.pop_front();
    return answer;
  }
  QMessageBox box(parent);
  box.setWindowTitle(Q(caption));
  box.setText(Q(text));
  box.setIcon((flags & MB_ICONHAND) != 0 ? QMessageBox::Critical : QMessageBox::Information);
  box.setStandardButtons(okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(okCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

namespace {

std::optional<QString> NextAnswer(std::deque<std::optional<QString>>& queue) {
  if (queue.empty()) return std::nullopt;
  const bool chosen = queue.front().has_value();
  const QString answer = chosen ? *queue.front() : QString();
  queue.pop_front();
  if (!chosen) return std::nullopt;
  return answer;
}

// A label beside the file list of a non-native file dialog that shows the highlighted picture.
void AddPicturePreview(QFileDialog& dialog) {
  auto* layout = qobject_cast<QGridLayout*>(dialog.layout());
  if (layout == nullptr) return;
  auto* preview = new QLabel(&dialog);
  preview->setObjectName("PicturePreview");
  preview->setFixedSize(160, 160);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  layout->addWidget(preview, 1, layout->columnCount(), layout->rowCount() - 1, 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    const QPixmap picture(path);
    preview->setPixmap(picture.isNull() ? QPixmap()
                                        : picture.scaled(preview->size() - QSize(8, 8), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
  });
}

}  // namespace

std::optional<QString> AskOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                       const QString& filter, bool mustExist, bool preview) {
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    hooks.FileRequests.push_back({caption, directory, filter, QString(), false});
    return NextAnswer(hooks.FileNames);
  }
  QFileDialog dialog(parent, caption, directory, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (preview) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    AddPicturePreview(dialog);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<QString> AskSaveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                       const QString& filter, const QString& defaultSuffix) {
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    hooks.FileRequests.push_back({caption, directory, filter, defaultSuffix, true});
    return NextAnswer(hooks.FileNames);
  }
  QFileDialog dialog(parent, caption, directory, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  // An existing file is replaced without a question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<TColor> AskColour(QWidget* parent, TColor initial) {
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    hooks.ColourRequests.push_back(initial);
    if (hooks.Colours.empty()) return std::nullopt;
    const std::optional<TColor> answer = hooks.Colours.front();
    hooks.Colours.pop_front();
    return answer;
  }
  QColorDialog dialog(ResolveColour(initial), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ColourValue(dialog.selectedColor());
}

int ExecModal(QDialog& dialog) {
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    ++hooks.ModalDialogs;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (hooks.OnModalDialog) hooks.OnModalDialog(dialog);
    dialog.hide();
    return dialog.result();
  }
  return dialog.exec();
}

void OpenUrl(const QUrl& url) {
  TModalHooks& hooks = ModalHooks();
  if (hooks.Active) {
    hooks.OpenedUrls.push_back(url);
    return;
  }
  QDesktopServices::openUrl(url);
}

}  // namespace ql::ui
