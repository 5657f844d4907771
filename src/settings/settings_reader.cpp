#include "settings/settings_reader.h"

#include "platform/errors.h"
#include "platform/int_conversion.h"
#include "platform/text_encoding.h"
#include "settings/default_code_blocks.h"
#include "settings/default_options.h"
#include "settings/settings_layout.h"
#include "settings/settings_line_cursor.h"

namespace ql {

namespace {

// The end line of a block, once characters of code 32 and below are removed from both ends;
// the comparison is exact and case-sensitive.
bool IsBlockEnd(std::string_view line) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line == kBlockEnd;
}

// Every value stands on the line after its key line; the key line is passed unread.
std::string_view Value(TLineCursor& cursor) {
  cursor.Skip();
  return cursor.Take("a value");
}

std::int32_t ToInt(TLineCursor& cursor, std::size_t line, std::string_view text) {
  const auto value = StrictInt(text);
  if (!value) cursor.Fail(line, QuoteLine(text) + " is not a number");
  return *value;
}

std::int32_t IntValue(TLineCursor& cursor) {
  const std::string_view text = Value(cursor);
  return ToInt(cursor, cursor.LineNumber() - 1, text);
}

bool FlagValue(TLineCursor& cursor) { return IntValue(cursor) != 0; }

std::string TextValue(TLineCursor& cursor) { return std::string(Value(cursor)); }

// A key line, then the lines of the block up to its end line, which is passed. The block's
// extent is found before anything is kept, so a block without an end line costs no memory.
TCodeBlock BlockValue(TLineCursor& cursor) {
  cursor.Skip();
  const std::size_t first = cursor.LineNumber();
  TLineCursor probe = cursor;
  std::size_t count = 0;
  for (;;) {
    if (probe.AtEnd()) {
      probe.Fail(probe.LineNumber(), count == 0 ? "the file ends here, a code block was expected"
                                                : "the file ends here, the code block from line " +
                                                      std::to_string(first) + " on has no end line \"" +
                                                      std::string(kBlockEnd) + "\"");
    }
    if (IsBlockEnd(probe.Take("a code line"))) break;
    ++count;
  }
  TCodeBlock block;
  block.reserve(count);
  for (std::size_t i = 0; i < count; ++i) block.emplace_back(cursor.Take("a code line"));
  cursor.Skip();
  return block;
}

}  // namespace

TSettingsContent ParseSettingsText(std::string_view bytes, const TGalleryOptions& current,
                                   const std::string& fileName) {
  const std::string text = ToUtf8(bytes);
  TLineCursor cursor(text, fileName);
  if (CountLines(text) > kMaxSettingsFileLines) {
    throw TFileError(fileName, "more than " + std::to_string(kMaxSettingsFileLines) + " lines, not a settings file");
  }
  TSettingsContent content;
  content.Options = current;
  TGalleryOptions& o = content.Options;

  // Lines 1 to 30: the single values of the index pages.
  o.Quality = IntValue(cursor);
  o.maxWidth = IntValue(cursor);
  o.maxHeight = IntValue(cursor);
  o.ThumbQuality = IntValue(cursor);
  o.maxThumbSize = IntValue(cursor);
  o.Columns = IntValue(cursor);
  o.Rows = IntValue(cursor);
  o.UseNames = FlagValue(cursor);
  o.UseImage = FlagValue(cursor);
  o.ImageFile = TextValue(cursor);
  o.UseColors = FlagValue(cursor);
  o.BGColor = IntValue(cursor);
  o.TextColor = IntValue(cursor);
  o.LinkColor = IntValue(cursor);
  o.VisitedColor = IntValue(cursor);

  // From line 31: the three blocks of the index pages.
  o.Code1 = BlockValue(cursor);
  o.Code2 = BlockValue(cursor);
  o.Code3 = BlockValue(cursor);

  if (cursor.AtEnd()) {
    // The earlier layout: the image pages take the built-in template and the index pages'
    // flags and colours; their background image stays as it was.
    content.EarlierLayout = true;
    o.Code1Images = LegacyImagePageTemplate();
    CopyIndexLookToImagePages(o);
    return content;
  }

  o.Code1Images = BlockValue(cursor);
  o.UseImageImages = FlagValue(cursor);
  o.ImageFileImages = TextValue(cursor);
  o.UseColorsImages = FlagValue(cursor);
  o.BGColorImages = IntValue(cursor);
  o.TextColorImages = IntValue(cursor);
  o.LinkColorImages = IntValue(cursor);
  o.VisitedColorImages = IntValue(cursor);

  // The sort order and the folders follow only when the file goes on past its key line.
  cursor.Skip();
  if (cursor.AtEnd()) return content;
  content.HasSortAndFolders = true;
  const std::size_t sortLine = cursor.LineNumber();
  content.SortIndex = ToInt(cursor, sortLine, cursor.Take("a value"));
  content.SourcePath = TextValue(cursor);
  content.DestPath = TextValue(cursor);
  return content;
}

}  // namespace ql
