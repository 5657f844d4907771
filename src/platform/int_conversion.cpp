#include "platform/int_conversion.h"

#include <limits>

namespace ql {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::int32_t LeadingInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value == kLimit ? kLimit - 1 : value);
}

std::optional<std::int32_t> StrictInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  bool hex = false;
  if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
    hex = true;
    ++pos;
  } else if (text.size() - pos >= 2 && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    hex = true;
    pos += 2;
  }
  if (pos == text.size()) return std::nullopt;

  std::uint64_t value = 0;
  if (hex) {
    for (; pos < text.size(); ++pos) {
      const int digit = HexValue(text[pos]);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(digit);
      if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }

  for (; pos < text.size(); ++pos) {
    if (!IsDigit(text[pos])) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(text[pos] - '0');
    if (value > (std::uint64_t{1} << 31)) return std::nullopt;
  }
  if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace ql
