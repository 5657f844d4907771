#include "html/replace_macro.h"

namespace ql {

void ReplaceMacroLiteral(std::string& line, std::string_view macro, std::string_view text) {
  if (macro.empty()) return;
  std::size_t pos = line.find(macro);
  if (pos == std::string::npos) return;
  std::string out;
  std::size_t done = 0;
  while (pos != std::string::npos) {
    out.append(line, done, pos - done);
    out.append(text);
    done = pos + macro.size();
    pos = line.find(macro, done);
  }
  out.append(line, done, std::string::npos);
  line = std::move(out);
}

void ReplaceMacro(std::string& line, std::string_view macro, std::string_view replacement) {
  if (macro.empty()) return;
  std::size_t pos = line.find(macro);
  if (pos == std::string::npos) return;
  if (replacement == kDeleteLine) {
    line.clear();
    return;
  }
  if (replacement.find(macro) != std::string_view::npos) {
    ReplaceMacroLiteral(line, macro, replacement);
    return;
  }
  for (std::size_t budget = line.size(); pos != std::string::npos && budget > 0; --budget) {
    line.replace(pos, macro.size(), replacement);
    // The text before `pos` is unchanged and held no occurrence, so the next first occurrence
    // begins at most macro.size() - 1 bytes before the inserted text: searching from there finds
    // what a search from the start of the line finds.
    const std::size_t back = macro.size() - 1;
    pos = line.find(macro, pos > back ? pos - back : 0);
  }
}

}  // namespace ql
