#include "support/fake_window_services.h"

namespace ql::test {

namespace {

class TFakeProgress : public IProgressDialog {
 public:
  explicit TFakeProgress(TFakeWindowServices& owner) : owner_(owner) {
    ++owner_.DialogsCreated;
    ++owner_.DialogsAlive;
    owner_.CancelRequested = false;
  }
  ~TFakeProgress() override {
    --owner_.DialogsAlive;
    owner_.DialogVisible = false;
  }
  void Show() override { owner_.DialogVisible = true; }
  void Hide() override { owner_.DialogVisible = false; }
  void SetLabel2(const std::string& text) override { owner_.Labels.push_back(text); }
  void SetProgressBar1(int position) override { owner_.Positions.push_back(position); }
  bool CancelRequested() const override { return owner_.CancelRequested; }

 private:
  TFakeWindowServices& owner_;
};

}  // namespace

int TFakeWindowServices::MessageBox(const std::string& text, const std::string& caption, int flags) {
  Messages.push_back({text, caption, flags});
  if ((flags & MB_OKCANCEL) == 0 || Answers.empty()) return IDOK;
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::unique_ptr<IProgressDialog> TFakeWindowServices::CreateProgressDialog() {
  return std::make_unique<TFakeProgress>(*this);
}

void TFakeWindowServices::ProcessMessages() {
  ++ProcessMessagesCalls;
  if (OnProcessMessages) OnProcessMessages(*this);
}

void TFakeWindowServices::SetBusyCursor(bool busy) {
  Busy = busy;
  ++BusyChanges;
}

}  // namespace ql::test
