// Checks on written page text shared by the page tests.
#pragma once

#include <string>
#include <string_view>

namespace ql::test {

// Empty when every line of `text` ends with CR LF (the last one included) and no CR or LF stands
// alone; else where the first fault is.
inline std::string LineEndFault(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return "lone CR at " + std::to_string(i);
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return "lone LF at " + std::to_string(i);
  }
  if (!text.empty() && text.back() != '\n') return "last line without CR LF";
  return {};
}

// Number of CR LF line ends.
inline std::size_t CountLines(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = text.find("\r\n"); pos != std::string_view::npos; pos = text.find("\r\n", pos + 2)) ++count;
  return count;
}

}  // namespace ql::test
