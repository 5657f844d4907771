#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace ql {
namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s) {
  return ComposeDateTime(*EncodeDate(y, mo, d), *EncodeTime(h, mi, s));
}

TEST(DateTime, EncodesDaysSince30December1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2005, 6, 7), 38510.0);
  EXPECT_EQ(EncodeTime(12, 0, 0), 0.5);
  EXPECT_FALSE(EncodeDate(2005, 2, 30));
  EXPECT_FALSE(EncodeDate(2005, 13, 1));
  EXPECT_FALSE(EncodeDate(0, 1, 1));
  EXPECT_TRUE(EncodeDate(2004, 2, 29));
  EXPECT_FALSE(EncodeDate(1900, 2, 29));
  EXPECT_TRUE(EncodeDate(2000, 2, 29));
  EXPECT_FALSE(EncodeTime(24, 0, 0));
  EXPECT_FALSE(EncodeTime(0, 60, 0));
}

TEST(DateTime, DecodesRoundedToTheNearestMillisecond) {
  // 12:34:56 is not exact in binary; a value a hair below it must still decode to :56.
  const TDateTime value = At(2005, 6, 7, 12, 34, 56);
  for (const TDateTime v : {value, std::nextafter(value, 0.0), value - 0.4 / 86'400'000}) {
    const TDateTimeParts p = DecodeDateTime(v);
    EXPECT_EQ(p.Year, 2005);
    EXPECT_EQ(p.Month, 6);
    EXPECT_EQ(p.Day, 7);
    EXPECT_EQ(p.Hour, 12);
    EXPECT_EQ(p.Minute, 34);
    EXPECT_EQ(p.Second, 56);
    EXPECT_EQ(p.Millisecond, 0);
  }
  // Just before midnight rounds into the next day.
  const TDateTimeParts next = DecodeDateTime(*EncodeDate(2005, 12, 31) + 1.0 - 0.1 / 86'400'000);
  EXPECT_EQ(next.Year, 2006);
  EXPECT_EQ(next.Month, 1);
  EXPECT_EQ(next.Day, 1);
  EXPECT_EQ(next.Hour, 0);
  // Before 1899 the value is negative and still decodes to what was encoded.
  const TDateTimeParts old = DecodeDateTime(At(1850, 3, 4, 6, 7, 8));
  EXPECT_EQ(old.Year, 1850);
  EXPECT_EQ(old.Day, 4);
  EXPECT_EQ(old.Hour, 6);
  EXPECT_EQ(old.Second, 8);
}

TEST(DateTime, PacksIntoTheDosLayout) {
  const struct {
    TDateTime value;
    std::uint32_t expected;
  } cases[] = {
      {At(1980, 1, 1, 0, 0, 0), (1u << 21) | (1u << 16)},
      {At(2005, 6, 7, 12, 34, 56), (25u << 25) | (6u << 21) | (7u << 16) | (12u << 11) | (34u << 5) | 28u},
      {At(2005, 6, 7, 12, 34, 57), (25u << 25) | (6u << 21) | (7u << 16) | (12u << 11) | (34u << 5) | 28u},
      {At(2099, 12, 31, 23, 59, 59), (119u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u},
      {At(1979, 12, 31, 23, 59, 59), 0},
      {At(2100, 1, 1, 0, 0, 0), 0},
      {0.0, 0},  // no date
  };
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<std::uint32_t>(PackDosDateTime(c.value)), c.expected) << c.value;
  }
  // The key is compared as a signed number: from 2044 on the top bit is set.
  EXPECT_LT(PackDosDateTime(At(2044, 1, 1, 0, 0, 0)), 0);
}

TEST(DateTime, LocalTimeOfAFileTime) {
  std::tm tm{};
  tm.tm_year = 2010 - 1900;
  tm.tm_mon = 4;
  tm.tm_mday = 17;
  tm.tm_hour = 9;
  tm.tm_min = 8;
  tm.tm_sec = 7;
  tm.tm_isdst = -1;
  const TDateTimeParts p = LocalDateTimeOf(mktime(&tm));
  EXPECT_EQ(p.Year, 2010);
  EXPECT_EQ(p.Month, 5);
  EXPECT_EQ(p.Day, 17);
  EXPECT_EQ(p.Hour, 9);
  EXPECT_EQ(p.Minute, 8);
  EXPECT_EQ(p.Second, 7);
}

}  // namespace
}  // namespace ql
