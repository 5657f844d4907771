#include "platform/text_encoding.h"

namespace ql {

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five undefined codes, which map to the C1 control of the
// same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Cp1252Char(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80] != 0) return kCp1252High[byte - 0x80];
  return byte;
}

// Length of the valid UTF-8 sequence at pos, or 0 when the byte there does not start one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos, char32_t* code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    *code = lead;
    return 1;
  }
  std::size_t length;
  char32_t value;
  char32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code = value;
  return length;
}

char32_t LowerCaseOf(char32_t code) {
  if (code >= 'A' && code <= 'Z') return code + 0x20;
  if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return code + 0x20;
  switch (code) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return code;
  }
}

// The same mapping on a stray byte, staying in Windows-1252.
unsigned char LowerCaseOfByte(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) return byte + 0x20;
  switch (byte) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return byte;
  }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

bool IsValidUtf8(std::string_view text) {
  char32_t code;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos, &code);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) AppendUtf8(out, Cp1252Char(static_cast<unsigned char>(c)));
  return out;
}

std::string ToUtf8(std::string_view text) {
  return IsValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
}

TChar CharAt(std::string_view text, std::size_t pos) {
  char32_t code;
  const std::size_t length = Utf8SequenceLength(text, pos, &code);
  if (length == 0) return {Cp1252Char(static_cast<unsigned char>(text[pos])), 1};
  return {code, length};
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) pos += CharAt(text, pos).Length;
  return count;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t code;
    const std::size_t length = Utf8SequenceLength(text, pos, &code);
    if (length == 0) {
      out.push_back(static_cast<char>(LowerCaseOfByte(static_cast<unsigned char>(text[pos]))));
      ++pos;
    } else {
      AppendUtf8(out, LowerCaseOf(code));
      pos += length;
    }
  }
  return out;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return out;
}

}  // namespace ql
