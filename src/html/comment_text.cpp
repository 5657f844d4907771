#include "html/comment_text.h"

#include "html/html_escape.h"
#include "platform/text_encoding.h"

namespace ql {

std::string CommentText(std::string_view raw) {
  const std::size_t zero = raw.find('\0');
  if (zero != std::string_view::npos) raw = raw.substr(0, zero);
  const std::string escaped = HtmlEscape(ToUtf8(raw));

  std::string text;
  text.reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    const char c = escaped[i];
    if (c == '\r' || c == '\n') {
      text += "\r\n";
      if (c == '\r' && i + 1 < escaped.size() && escaped[i + 1] == '\n') ++i;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace ql
