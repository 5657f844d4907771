// Macro expansion of a template line with a hostile JPEG comment and file name.
//
// Input: 1 byte image number, 1 byte image count, 1 byte columns, 1 byte rows (0 included, to
// reach the clamp), 2 bytes template length (little-endian), 1 byte name length, then the
// template line, the web name, and the raw comment as the rest.
//
// Checks: the prepared comment holds no < > " ' or zero byte, is valid UTF-8, has only CR LF line
// breaks and reads back to the comment's text; the comment adds no < > " to the expanded line
// (the expansion with and without it agree on them); a line without any "@" does not depend on
// the comment at all. Also runs the index pass and ReplaceMacro on the same line, which
// must end for every input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "html/comment_text.h"
#include "html/page_macros.h"
#include "html/replace_macro.h"
#include "platform/text_encoding.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::size_t CountMarkup(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (c == '<' || c == '>' || c == '"') ? 1 : 0;
  return count;
}

// Line breaks as LF.
std::string WithLf(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The inverse of the page escaping.
std::string Unescaped(std::string_view text) {
  static const std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool entity = false;
    for (const auto& [name, c] : kEntities) {
      if (text.substr(i, name.size()) == name) {
        out += c;
        i += name.size();
        entity = true;
        break;
      }
    }
    if (!entity) out += text[i++];
  }
  return out;
}

void CheckPreparedComment(std::string_view raw, const std::string& prepared) {
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    const char c = prepared[i];
    Check(c != '<' && c != '>' && c != '"' && c != '\'' && c != '\0');
    if (c == '\r') Check(i + 1 < prepared.size() && prepared[i + 1] == '\n');
    if (c == '\n') Check(i > 0 && prepared[i - 1] == '\r');
  }
  Check(ql::IsValidUtf8(prepared));
  const std::string_view text = raw.substr(0, raw.find('\0'));
  Check(WithLf(Unescaped(prepared)) == WithLf(ql::ToUtf8(text)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 7;
  if (size < kHeader || size > 8192) return 0;
  const int image = data[0] % 20;  // 0 reaches the guard of the thumbnail page
  const int count = 1 + data[1] % 20;
  const int columns = data[2] % 5;
  const int rows = data[3] % 5;
  const std::size_t lineLength = static_cast<std::size_t>(data[4] | (data[5] << 8));
  const std::size_t nameLength = data[6];

  std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  const std::string_view line = rest.substr(0, lineLength);
  rest.remove_prefix(line.size());
  const std::string_view webName = rest.substr(0, nameLength);
  rest.remove_prefix(webName.size());
  const std::string_view rawComment = rest;

  const std::string comment = ql::CommentText(rawComment);
  CheckPreparedComment(rawComment, comment);

  std::string with(line);
  ql::ExpandImageMacros(with, image, count, columns, rows, " <body>", webName, comment);
  std::string without(line);
  ql::ExpandImageMacros(without, image, count, columns, rows, " <body>", webName, "");
  Check(CountMarkup(with) == CountMarkup(without));
  if (line.find('@') == std::string_view::npos) Check(with == without);

  std::string index(line);
  ql::ExpandIndexMacros(index, image, count);

  // ReplaceMacro with a macro and a replacement cut from the line itself: it must end.
  if (line.size() <= 512 && webName.size() >= 2) {
    const std::string_view macro = webName.substr(0, webName.size() / 2);
    const std::string_view replacement = webName.substr(webName.size() / 2);
    std::string replaced(line);
    ql::ReplaceMacro(replaced, macro, replacement);
    std::string literal(line);
    ql::ReplaceMacroLiteral(literal, macro, replacement);
  }
  return 0;
}
