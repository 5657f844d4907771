#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include "platform/text_lines.h"

namespace ql {
namespace {

TEST(TextEncoding, ValidUtf8) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA4 \xE2\x82\xAC \xF0\x9F\x93\xB7"));  // ä € 📷
  EXPECT_FALSE(IsValidUtf8("\xE4"));                                   // Windows-1252 ä
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));                               // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                           // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));                               // cut short
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));                       // beyond U+10FFFF
}

TEST(TextEncoding, Windows1252ToUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("Gr\xFC\xDF" "e \x80 \x9F \x81"), "Grüße € Ÿ \xC2\x81");
  EXPECT_EQ(ToUtf8("already ä"), "already ä");
  EXPECT_EQ(ToUtf8("caf\xE9"), "café");
}

TEST(TextEncoding, CountsCharacters) {
  EXPECT_EQ(CharCount("abc"), 3u);
  EXPECT_EQ(CharCount("Äpfel"), 5u);
  EXPECT_EQ(CharCount("\xC4pfel"), 5u);  // a stray byte is one character
  EXPECT_EQ(CharAt("\xC4", 0).Code, U'Ä');
  EXPECT_EQ(CharAt("\x80", 0).Code, U'€');
}

TEST(TextEncoding, LowerCasesAsciiAndWindows1252Capitals) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"ABC xyz 09", "abc xyz 09"},
      {"ÄÖÜ ÀÞ", "äöü àþ"},
      {"×", "×"},            // the multiplication sign is not a letter
      {"ŠŒŽŸ", "šœžÿ"},
      {"ß É", "ß é"},
      {"ĀΩЖ", "ĀΩЖ"},         // capitals outside Windows-1252 stay
      {"\xC4 \x8A \x9F", "\xE4 \x9A \xFF"},  // stray Windows-1252 bytes stay bytes
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiLowerCase(c.text), c.expected) << c.text;
  EXPECT_EQ(AsciiLowerCase("PHOTO.JPG Ä"), "photo.jpg Ä");
}

TEST(TextLines, SplitsAtEveryKindOfBreak) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});  // a break at the end adds no line
  EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF CR is two breaks
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
}

}  // namespace
}  // namespace ql
