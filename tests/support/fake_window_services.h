// Scripted window services for tests of the job: control values in members, message boxes
// answered from a script and recorded, a progress dialog that records what it was shown, and a
// hook on the dispatch of pending messages (where a click on Cancel would be handled).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/memory_controls.h"

namespace ql::test {

struct TShownMessage {
  std::string Text;
  std::string Caption;
  int Flags;
};

class TFakeWindowServices : public TMemoryControls {
 public:
  // Answers for the next message boxes with OK and Cancel; IDOK once the script is used up.
  std::deque<int> Answers;
  std::vector<TShownMessage> Messages;

  // What the progress dialogs of all runs were shown.
  std::vector<std::string> Labels;
  std::vector<int> Positions;
  int DialogsCreated = 0;
  int DialogsAlive = 0;
  bool DialogVisible = false;
  bool CancelRequested = false;  // what the dialog's Cancel button has set

  int ProcessMessagesCalls = 0;
  // Runs at every dispatch of pending messages, e.g. to click Cancel during a given image.
  std::function<void(TFakeWindowServices&)> OnProcessMessages;

  bool Busy = false;
  int BusyChanges = 0;
  std::vector<std::string> Opened;

  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  std::unique_ptr<IProgressDialog> CreateProgressDialog() override;
  void ProcessMessages() override;
  void SetBusyCursor(bool busy) override;
  void OpenDocument(const std::string& path) override { Opened.push_back(path); }
};

}  // namespace ql::test
