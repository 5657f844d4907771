#include "settings/settings_line_cursor.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text_encoding.h"

namespace ql {

std::string_view TLineCursor::NextLine() {
  const std::size_t end = std::min(text_.find_first_of("\r\n", pos_), text_.size());
  const std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < text_.size()) {
    const bool crlf = text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
    pos_ += crlf ? 2 : 1;
  }
  ++number_;
  return line;
}

void TLineCursor::Skip() {
  if (AtEnd()) {
    ++number_;
    return;
  }
  NextLine();
}

std::string_view TLineCursor::Take(std::string_view expected) {
  if (AtEnd()) Fail(number_, "the file ends here, " + std::string(expected) + " was expected");
  return NextLine();
}

void TLineCursor::Fail(std::size_t line, std::string_view reason) const {
  throw TFileError(*fileName_, "line " + std::to_string(line) + ": " + std::string(reason));
}

std::size_t CountLines(std::string_view text) {
  std::size_t breaks = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] == '\n' || (text[pos] == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n'))) ++breaks;
  }
  // A last line without a break counts as well.
  const bool open = !text.empty() && text.back() != '\n' && text.back() != '\r';
  return breaks + (open ? 1 : 0);
}

std::string QuoteLine(std::string_view line) {
  constexpr std::size_t kShown = 40;
  std::string quoted = "'";
  std::size_t pos = 0;
  for (std::size_t count = 0; pos < line.size() && count < kShown; ++count) {
    const TChar ch = CharAt(line, pos);
    const auto byte = static_cast<unsigned char>(line[pos]);
    if (ch.Length == 1 && (byte < 0x20 || byte == 0x7F)) {
      static const char kHex[] = "0123456789ABCDEF";
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0x0F];
    } else {
      quoted.append(line.substr(pos, ch.Length));
    }
    pos += ch.Length;
  }
  if (pos < line.size()) quoted += "...";
  quoted += "'";
  return quoted;
}

}  // namespace ql
