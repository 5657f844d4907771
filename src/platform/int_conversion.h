// The two ways the program reads a number from text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ql {

// The leading integer of a size field: leading blanks (spaces and tabs) skipped, an optional
// sign, then the decimal digits that follow; reading stops at the first other character, and a
// text without digits gives 0. A value beyond 32 bits saturates at the nearest limit.
std::int32_t LeadingInt(std::string_view text);

// The strict reading of settings values and of the columns and rows fields: optional leading
// blanks, an optional sign, then either decimal digits or hexadecimal digits after "$", "x", "X",
// "0x" or "0X", and nothing else. Hexadecimal takes up to 32 bits, read as two's complement
// ("$FFFFFFFF" is -1). nullopt for anything else, and for a value beyond 32 bits.
std::optional<std::int32_t> StrictInt(std::string_view text);

}  // namespace ql
