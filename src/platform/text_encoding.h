// 8-bit text. Strings hold UTF-8; a byte that is not part of a valid UTF-8 sequence stands for
// the Windows-1252 character of that code, as the files of the earlier Windows program and some
// cameras write them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ql {

bool IsValidUtf8(std::string_view text);

// Every byte read as a Windows-1252 character, written as UTF-8. The five codes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 ... U+009D.
std::string Cp1252ToUtf8(std::string_view text);

// The text unchanged when it is valid UTF-8, otherwise its Windows-1252 reading in UTF-8.
std::string ToUtf8(std::string_view text);

// One character of a text: a valid UTF-8 sequence, or one byte that is not part of one.
struct TChar {
  char32_t Code;       // the code point; for a stray byte, its Windows-1252 character
  std::size_t Length;  // bytes taken from the text
};

// The character that starts at `pos` (pos < text.size()).
TChar CharAt(std::string_view text, std::size_t pos);

// Number of characters as CharAt counts them.
std::size_t CharCount(std::string_view text);

// A to Z and the capitals of Windows-1252 (À to Þ except ×, and Š, Œ, Ž, Ÿ) become lower case,
// both as UTF-8 characters and as stray Windows-1252 bytes; nothing else changes. The byte length
// of the text stays the same.
std::string AnsiLowerCase(std::string_view text);

// A to Z only.
std::string AsciiLowerCase(std::string_view text);

// Code point as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace ql
