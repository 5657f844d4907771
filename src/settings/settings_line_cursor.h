// A cursor that walks the lines of a settings text by number, from line 1 on, without making a
// list of them first. Lines end at CR LF, a lone CR or a lone LF; a break at the very end of the
// text adds no empty line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ql {

class TLineCursor {
 public:
  // `fileName` names the file in the errors the cursor raises; both must outlive the cursor.
  TLineCursor(std::string_view text, const std::string& fileName) : text_(text), fileName_(&fileName) {}

  // The number of the line the cursor stands on, the next one Take or Skip passes.
  std::size_t LineNumber() const { return number_; }
  // True when the text has no line with that number.
  bool AtEnd() const { return pos_ >= text_.size(); }

  // Passes the line without looking at it; past the end of the text only the number moves on,
  // so the next Take reports the line that is missing.
  void Skip();
  // The line, without its break. Raises TFileError "line N: the file ends here, <expected> was
  // expected" when the text has no such line.
  std::string_view Take(std::string_view expected);

  // Raises TFileError(file, "line N: <reason>").
  [[noreturn]] void Fail(std::size_t line, std::string_view reason) const;

 private:
  std::string_view NextLine();

  std::string_view text_;
  const std::string* fileName_;
  std::size_t pos_ = 0;
  std::size_t number_ = 1;
};

// The number of lines of the text, counted as the cursor walks them.
std::size_t CountLines(std::string_view text);

// A line as an error message quotes it: in single quotes, control characters as \xNN, and a
// long line cut after its first 40 characters, "..." marking the cut.
std::string QuoteLine(std::string_view line);

}  // namespace ql
