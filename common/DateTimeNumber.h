// Date-time numbers: whole days since 30 December 1899 with the time of day
// as the fraction (0.5 is noon of that day), the way file dates travel
// between the file functions.
#pragma once

#include <cstdint>

namespace kandrel {

struct TCivilDateTime {
    int32_t Year = 1899, Month = 12, Day = 30;
    int32_t Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
    int32_t DayOfWeek = 6;  // 0 Sunday .. 6 Saturday; filled in by DecodeDateNumber only
    int32_t DayOfYear = 0;  // 0 for 1 January; filled in by DecodeDateNumber only
};

// Proleptic Gregorian calendar; the time fields may be anything from 0 up.
double EncodeDateTimeNumber(const TCivilDateTime& Time) noexcept;
// The calendar date of a number's whole days (counted towards zero, so the
// fraction never moves the day); the time fields are 0. Numbers that are not
// finite or lie beyond the year 9999 give the date of 0.
TCivilDateTime DecodeDateNumber(double Value) noexcept;

}  // namespace kandrel
