#include "plugin/PresetStreamFormat.h"

#include <bit>
#include <cmath>
#include <limits>

namespace kandrel {

namespace {
constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr uint64_t kExplicitOne = uint64_t{1} << 63;
}  // namespace

std::array<uint8_t, 10> DoubleToExtended(double Value) noexcept {
    const auto bits = std::bit_cast<uint64_t>(Value);
    const uint16_t sign = (bits >> 63) != 0 ? 0x8000 : 0;
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);

    uint64_t significand = 0;
    int biased = 0;
    if (exponent == 0x7FF) {  // infinity or NaN (the payload kept, a NaN stays quiet or signalling)
        biased = 0x7FFF;
        significand = kExplicitOne | (fraction << 11);
    } else if (exponent != 0) {  // normal
        biased = exponent - kDoubleBias + kExtendedBias;
        significand = kExplicitOne | (fraction << 11);
    } else if (fraction != 0) {  // subnormal double: normal in the wider exponent range
        const int shift = std::countl_zero(fraction);  // 12..63
        significand = fraction << shift;
        biased = (1 - kDoubleBias) - (shift - 11) + kExtendedBias;
    }  // else ±0: all zero but the sign

    std::array<uint8_t, 10> bytes{};
    for (int i = 0; i < 8; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(significand >> (8 * i));
    const auto word = static_cast<uint16_t>(sign | biased);
    bytes[8] = static_cast<uint8_t>(word);
    bytes[9] = static_cast<uint8_t>(word >> 8);
    return bytes;
}

double ExtendedToDouble(const uint8_t* Bytes) noexcept {
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | Bytes[i];
    const auto word = static_cast<uint16_t>(Bytes[8] | (Bytes[9] << 8));
    const bool negative = (word & 0x8000) != 0;
    const int biased = word & 0x7FFF;

    double magnitude;
    if (biased == 0x7FFF) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::quiet_NaN();
    } else {
        // Denormals (exponent 0) have the exponent of the smallest normal; the
        // significand is taken as it is, explicit bit set or not.
        const int exponent = (biased == 0 ? 1 : biased) - kExtendedBias - 63;
        magnitude = std::ldexp(static_cast<double>(significand), exponent);
    }
    return negative ? -magnitude : magnitude;
}

float DoubleToSingle(double Value) noexcept {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (Value > kMax || Value < -kMax) {
        // Between the largest float and the next power of two a value still rounds to the largest float.
        if (std::fabs(Value) < 0x1.ffffffp127) return static_cast<float>(Value > 0 ? kMax : -kMax);
        return Value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(Value);  // NaN and values in range
}

}  // namespace kandrel
