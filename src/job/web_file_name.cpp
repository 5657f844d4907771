#include "job/web_file_name.h"

#include <vector>

#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace ql {

std::string WebFileName(std::string_view fileName, bool replaceUnsafe) {
  // Characters are taken one by one from the name as it stands, so lower-casing a stray byte
  // cannot join it with its neighbours into a different UTF-8 sequence.
  struct Piece {
    std::string_view Bytes;
    char32_t Code;
  };
  std::vector<Piece> chars;
  for (std::size_t pos = 0; pos < fileName.size();) {
    const TChar c = CharAt(fileName, pos);
    chars.push_back({fileName.substr(pos, c.Length), c.Code});
    pos += c.Length;
  }
  const std::size_t extensionChars = CharCount(ExtractFileExt(fileName));
  chars.resize(chars.size() - extensionChars);

  std::string result;
  for (const Piece& piece : chars) {
    const std::string lower = AnsiLowerCase(piece.Bytes);
    if (!replaceUnsafe) {
      result += lower;
      continue;
    }
    const char32_t code = CharAt(lower, 0).Code;
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9')) {
      result.push_back(static_cast<char>(code));
    } else if (code == 0xDF) {
      result += "ss";
    } else if (code == 0xE4) {
      result += "ae";
    } else if (code == 0xF6) {
      result += "oe";
    } else if (code == 0xFC) {
      result += "ue";
    } else {
      result.push_back('_');
    }
  }
  return result;
}

}  // namespace ql
