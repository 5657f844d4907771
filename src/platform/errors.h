// The error types of the core. Failures that end an operation are raised as one of these; their
// text is what the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace ql {

// An error whose text stands on its own ("JPEG error #42", "Bitmap ist ungültig").
class TError : public std::runtime_error {
 public:
  explicit TError(const std::string& text) : std::runtime_error(text) {}
};

// An error about one file: its text is "file: reason".
class TFileError : public TError {
 public:
  TFileError(std::string file, std::string reason)
      : TError(file + ": " + reason), file_(std::move(file)), reason_(std::move(reason)) {}

  const std::string& File() const { return file_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  std::string reason_;
};

// The text of errno `err` ("No space left on device").
std::string ErrnoText(int err);

}  // namespace ql
