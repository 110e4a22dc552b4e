// The tagged value format of the preset stream: tag bytes, the messages of
// its errors, and the 80-bit extended float it stores parameter values in.
// Every number is little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace kandrel {

enum TPresetTag : uint8_t {
    ptEndOfList = 0x00,
    ptList = 0x01,
    ptInt8 = 0x02,
    ptInt16 = 0x03,
    ptInt32 = 0x04,
    ptExtended = 0x05,
    ptString = 0x06,      // 1-byte length, ANSI bytes
    ptLString = 0x0C,     // 4-byte length, ANSI bytes
    ptWString = 0x12,     // 4-byte count of UTF-16 units, UTF-16LE
    ptInt64 = 0x13,
    ptUtf8String = 0x14,  // 4-byte length, UTF-8 bytes
    ptDouble = 0x15,
};

// Every preset stream begins with these four bytes.
inline constexpr std::array<uint8_t, 4> kPresetSignature = {'T', 'P', 'F', '0'};

// A preset stream that cannot be read; what() is the message shown to the user.
class EPresetStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kStreamReadError = "Stream read error";

// The x87 double-extended form: 64-bit significand with its leading bit
// explicit (bytes 0-7), then the sign and the 15-bit exponent biased by 16383.
// Built by hand from the double's bits: compilers disagree on long double
// (64-bit on some Windows compilers, 80-bit with g++), the bytes must not.
// Exact: every double has an extended form.
std::array<uint8_t, 10> DoubleToExtended(double Value) noexcept;
// The nearest double; beyond the double range ±infinity or ±0, NaN stays NaN.
double ExtendedToDouble(const uint8_t* Bytes) noexcept;

// Value as a float without undefined behaviour: beyond the float range ±infinity.
float DoubleToSingle(double Value) noexcept;

}  // namespace kandrel
