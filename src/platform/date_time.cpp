#include "platform/date_time.h"

#include <cmath>

namespace ql {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

// 30 December 1899 counted from 1 January 1970.
const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

std::optional<TDateTime> EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  return static_cast<TDateTime>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                kEpochOffset);
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999) {
    return std::nullopt;
  }
  const std::int64_t ms = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<TDateTime>(ms) / static_cast<TDateTime>(kMsPerDay);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

TDateTimeParts DecodeDateTime(TDateTime value) {
  TDateTimeParts parts;
  if (!std::isfinite(value) || std::fabs(value) > 3.0e6) return parts;  // beyond year 9999
  auto days = static_cast<std::int64_t>(std::trunc(value));
  std::int64_t ms = std::llround(std::fabs(value - static_cast<TDateTime>(days)) * static_cast<TDateTime>(kMsPerDay));
  if (ms >= kMsPerDay) {  // rounded up to midnight: the next calendar day
    ms -= kMsPerDay;
    days += 1;
  }
  CivilFromDays(days + kEpochOffset, &parts.Year, &parts.Month, &parts.Day);
  parts.Millisecond = static_cast<int>(ms % 1000);
  parts.Second = static_cast<int>(ms / 1000 % 60);
  parts.Minute = static_cast<int>(ms / 60'000 % 60);
  parts.Hour = static_cast<int>(ms / 3'600'000);
  return parts;
}

std::int32_t PackDosDateTime(const TDateTimeParts& p) {
  if (p.Year < 1980 || p.Year > 2099) return 0;
  const std::uint32_t bits = static_cast<std::uint32_t>(p.Year - 1980) << 25 |
                             static_cast<std::uint32_t>(p.Month) << 21 | static_cast<std::uint32_t>(p.Day) << 16 |
                             static_cast<std::uint32_t>(p.Hour) << 11 | static_cast<std::uint32_t>(p.Minute) << 5 |
                             static_cast<std::uint32_t>(p.Second / 2);
  return static_cast<std::int32_t>(bits);
}

std::int32_t PackDosDateTime(TDateTime value) { return PackDosDateTime(DecodeDateTime(value)); }

TDateTimeParts LocalDateTimeOf(std::time_t time) {
  std::tm local {};
  TDateTimeParts parts;
  if (localtime_r(&time, &local) == nullptr) return parts;
  parts.Year = local.tm_year + 1900;
  parts.Month = local.tm_mon + 1;
  parts.Day = local.tm_mday;
  parts.Hour = local.tm_hour;
  parts.Minute = local.tm_min;
  parts.Second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second packs as :59
  return parts;
}

}  // namespace ql
