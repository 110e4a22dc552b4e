#include "common/JovCommon.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kandrel {

std::string Int64ToText(int64_t Value, bool ShowSign) {
    std::string text = std::to_string(Value);
    if (ShowSign && Value > 0) text.insert(text.begin(), '+');
    return text;
}

std::string IntToText(int32_t Value, bool ShowSign) { return Int64ToText(Value, ShowSign); }

std::string IntToAnsiText(int32_t Value, bool ShowSign) { return IntToText(Value, ShowSign); }

std::string SingleToText(float Value, bool ShowSign) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", static_cast<double>(Value));
    std::string result = text;
    if (ShowSign && Value > 0) result.insert(result.begin(), '+');
    return result;
}

int64_t RoundHalfEven(double Value) {
    if (std::isnan(Value)) return 0;
    constexpr double kLimit = 9.2233720368547748e18;  // 2^63
    if (Value >= kLimit) return std::numeric_limits<int64_t>::max();
    if (Value <= -kLimit) return std::numeric_limits<int64_t>::min();
    double r = std::round(Value);
    if (std::fabs(Value - std::trunc(Value)) == 0.5) r = 2.0 * std::round(Value / 2.0);
    return static_cast<int64_t>(r);
}

int64_t RoundSingle(float Value) { return RoundHalfEven(static_cast<double>(Value)); }

}  // namespace kandrel
