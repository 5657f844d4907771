// Every modal window of the program goes through these functions: message boxes, file dialogs,
// the colour dialog, other modal dialogs, and opening an address with the user's program. In the
// program they show the real window. A test switches on ModalHooks().Active; then nothing modal
// is ever shown: each call records its request and answers from a queue the test filled (an empty
// queue answers OK for message boxes and Cancel for the choosers), and addresses are only
// recorded.
#pragma once

#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "job/gallery_options.h"

class QDialog;
class QWidget;

namespace ql::ui {

struct TMessageRequest {
  std::string Text;
  std::string Caption;
  int Flags;
};

struct TFileRequest {
  QString Caption;
  QString Directory;
  QString Filter;
  QString DefaultSuffix;
  bool Save;
};

struct TFolderRequest {
  QString Caption;
  QString Selected;  // the folder pre-selected
  unsigned Flags;
};

struct TModalHooks {
  bool Active = false;

  std::deque<int> Answers;  // IDOK or IDCANCEL
  std::vector<TMessageRequest> Messages;

  std::deque<std::optional<QString>> FileNames;  // nullopt: Cancel
  std::vector<TFileRequest> FileRequests;

  std::deque<std::optional<TColor>> Colours;  // nullopt: Cancel
  std::vector<TColor> ColourRequests;         // the colour each colour dialog opened with

  std::deque<std::optional<QString>> Folders;  // nullopt: Cancel
  std::vector<TFolderRequest> FolderRequests;

  // Receives a modal dialog shown instead of running it; the dialog is visible meanwhile. Unset,
  // the dialog is closed at once.
  std::function<void(QDialog&)> OnModalDialog;
  int ModalDialogs = 0;

  std::vector<QUrl> OpenedUrls;

  // Active, with every queue and record empty.
  void Reset();
};

TModalHooks& ModalHooks();

// A modal message box; flags are MB_OK or MB_OKCANCEL, combined with MB_ICONHAND for the stop
// icon. Returns IDOK or IDCANCEL.
int ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption, int flags);

// The chosen file, or nullopt when the user cancelled. `filter` holds one entry in Qt's form,
// "Description (*.a *.b)". `mustExist` lets only an existing file be chosen; `preview` shows the
// highlighted picture beside the list.
std::optional<QString> AskOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                       const QString& filter, bool mustExist, bool preview);
// `defaultSuffix` ("qvl") is appended to a name typed without extension.
std::optional<QString> AskSaveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                       const QString& filter, const QString& defaultSuffix);

// The colour dialog, opening with `initial`; the chosen colour or nullopt.
std::optional<TColor> AskColour(QWidget* parent, TColor initial);

// Runs `dialog` modally and returns its result code.
int ExecModal(QDialog& dialog);

// Opens an address (a web page, a mail address, a local file) with the user's program; the
// outcome is not examined.
void OpenUrl(const QUrl& url);

}  // namespace ql::ui
