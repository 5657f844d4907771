#include "ui_test_support.h"

#include <QApplication>
#include <filesystem>

#include "support/temp_dir.h"
#include "ui/application.h"

namespace ql::test {

void PrepareWindowTests() {
  // A folder of its own as the current directory: no default.qvl of another run is found there,
  // and whatever a test saves as default stays there.
  static TTempDir home;
  std::filesystem::current_path(home.Path());
  ui::ModalHooks().Reset();
  ui::SetUpApplication();
}

std::unique_ptr<ui::TWindowSet> MakeWindows() {
  ui::ModalHooks().Reset();
  return std::make_unique<ui::TWindowSet>();
}

std::vector<std::string> CopySamplePhotos(const std::string& folder, int count) {
  // Small ones of the samples, all JPEG.
  const std::vector<std::string> names = {"Ladybird.jpg", "Two Wings.jpg", "Evening Storm.jpg", "Green Leaf.jpg"};
  std::vector<std::string> copied;
  for (int i = 0; i < count && i < static_cast<int>(names.size()); ++i) {
    std::filesystem::copy_file(std::filesystem::path(QL_EXAMPLE_PHOTOS) / names[static_cast<std::size_t>(i)],
                               std::filesystem::path(folder) / names[static_cast<std::size_t>(i)]);
    copied.push_back(names[static_cast<std::size_t>(i)]);
  }
  return copied;
}

ui::TMessageRequest LastMessage() {
  const auto& messages = ui::ModalHooks().Messages;
  return messages.empty() ? ui::TMessageRequest{} : messages.back();
}

}  // namespace ql::test
