// The date-time value of the program: a double holding days since 30 December 1899, its fraction
// the time of day; 0 means no date. And the packed MS-DOS form used as the date sort key.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace ql {

using TDateTime = double;

struct TDateTimeParts {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Days of a valid Gregorian date (year 1 to 9999), nullopt otherwise.
std::optional<TDateTime> EncodeDate(int year, int month, int day);
// Fraction of a day for a valid time of day (hour 0 to 23, minute and second 0 to 59,
// millisecond 0 to 999), nullopt otherwise.
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond = 0);
// A date and a time of day as one value. Before 30 December 1899 the value is negative and the
// time of day counts away from zero, so that decoding gives the same date and time back.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// The calendar date and time of a value, rounded to the nearest millisecond first (so that a
// value just below 12:34:56 decodes as 12:34:56.000, never as 12:34:55.999).
TDateTimeParts DecodeDateTime(TDateTime value);

// Packs a date and time into the MS-DOS layout: bits 31-25 year - 1980, 24-21 month, 20-16 day,
// 15-11 hour, 10-5 minute, 4-0 second / 2. Years before 1980 or after 2099 give 0. The bits are
// returned as a signed 32-bit number, as the sort compares them.
std::int32_t PackDosDateTime(const TDateTimeParts& parts);
std::int32_t PackDosDateTime(TDateTime value);

// Local date and time of a file time.
TDateTimeParts LocalDateTimeOf(std::time_t time);

}  // namespace ql
