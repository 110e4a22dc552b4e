#include "common/DateTimeNumber.h"

#include <cmath>

namespace kandrel {

namespace {

// Days from 1 January 1970 to 30 December 1899, the date of 0.
constexpr int64_t kUnixEpochOffset = 25569;
// 31 December 9999.
constexpr double kLastDay = 2958465.0;

// Days since 1 January 1970 (proleptic Gregorian, any year).
int64_t DaysFromCivil(int64_t Year, int64_t Month, int64_t Day) noexcept {
    Year -= Month <= 2 ? 1 : 0;
    const int64_t era = (Year >= 0 ? Year : Year - 399) / 400;
    const int64_t yearOfEra = Year - era * 400;
    const int64_t dayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t Days, int32_t& Year, int32_t& Month, int32_t& Day) noexcept {
    Days += 719468;
    const int64_t era = (Days >= 0 ? Days : Days - 146096) / 146097;
    const int64_t dayOfEra = Days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    Day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    Month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    Year = static_cast<int32_t>(yearOfEra + era * 400 + (Month <= 2 ? 1 : 0));
}

}  // namespace

double EncodeDateTimeNumber(const TCivilDateTime& Time) noexcept {
    const int64_t days = DaysFromCivil(Time.Year, Time.Month, Time.Day) + kUnixEpochOffset;
    const double milliseconds =
        ((Time.Hour * 60.0 + Time.Minute) * 60.0 + Time.Second) * 1000.0 + Time.Millisecond;
    return static_cast<double>(days) + milliseconds / 86400000.0;
}

TCivilDateTime DecodeDateNumber(double Value) noexcept {
    if (!std::isfinite(Value) || std::fabs(Value) > kLastDay) Value = 0.0;
    const int64_t days = static_cast<int64_t>(std::trunc(Value)) - kUnixEpochOffset;
    TCivilDateTime result;
    CivilFromDays(days, result.Year, result.Month, result.Day);
    result.DayOfWeek = static_cast<int32_t>(((days % 7) + 11) % 7);  // 1 January 1970 was a Thursday
    result.DayOfYear = static_cast<int32_t>(days - DaysFromCivil(result.Year, 1, 1));
    return result;
}

}  // namespace kandrel
