// Helpers of the window tests: the five windows made with every modal window scripted, a finder
// by object name, and the photo samples.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>

#include "ui/modal_windows.h"
#include "ui/window_set.h"

namespace ql::test {

// Switches the modal windows to scripted answers and sets up the application as the program
// does. Call in initTestCase().
void PrepareWindowTests();

// The five windows, made fresh in the current directory, with the hooks reset.
std::unique_ptr<ui::TWindowSet> MakeWindows();

// The child of `root` named `name`, failing the test when there is none.
template <typename T>
T* Child(QObject* root, const char* name) {
  T* child = root->findChild<T*>(name);
  if (child == nullptr) qFatal("no child %s of %s", name, qPrintable(root->objectName()));
  return child;
}

// Copies `count` photos of the samples into `folder`; returns their names.
std::vector<std::string> CopySamplePhotos(const std::string& folder, int count);

// The last message box shown, or an empty request.
ui::TMessageRequest LastMessage();

}  // namespace ql::test
