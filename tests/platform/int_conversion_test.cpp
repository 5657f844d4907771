#include "platform/int_conversion.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

TEST(LeadingInt, ReadsTheDigitsAfterBlanksAndSign) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"800", 800},     {"  42", 42},      {"\t7x", 7},   {"-12", -12},      {"+5", 5},
      {"", 0},          {"abc", 0},        {"   ", 0},    {"12 34", 12},     {"1_000", 1},
      {"-", 0},         {"99999999999", 2147483647},      {"-99999999999", -2147483648},
      {"0800", 800},    {"2147483647", 2147483647},       {"-2147483648", -2147483648},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingInt(c.text), c.expected) << "'" << c.text << "'";
}

TEST(StrictInt, AcceptsDecimalAndHexadecimalOnly) {
  const struct {
    const char* text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"85", 85},
      {"  85", 85},
      {"-1", -1},
      {"+7", 7},
      {"16777215", 16777215},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$FF", 255},
      {"0x10", 16},
      {"x1f", 31},
      {"X1F", 31},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"85 ", std::nullopt},  // trailing blanks do not convert
      {"abc", std::nullopt},
      {"true", std::nullopt},
      {"1.5", std::nullopt},
      {"2147483648", std::nullopt},   // beyond 32 bits
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"+", std::nullopt},
      {"1 2", std::nullopt},
      {"$FG", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(StrictInt(c.text), c.expected) << "'" << c.text << "'";
}

}  // namespace
}  // namespace ql
