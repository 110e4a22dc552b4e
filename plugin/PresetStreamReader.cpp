#include "plugin/PresetStreamReader.h"

#include <utf8/cpp17.h>

#include <algorithm>
#include <bit>
#include <string_view>

#include "common/AnsiText.h"
#include "common/JovCommon.h"
#include "common/LittleEndian.h"
#include "plugin/PresetStreamFormat.h"

namespace kandrel {

namespace {

[[noreturn]] void Fail(const char* Message) { throw EPresetStreamError(Message); }

constexpr char32_t kReplacement = 0xFFFD;

// UTF-16LE units to UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(const uint8_t* Bytes, size_t Units) {
    std::string utf8;
    utf8.reserve(Units);
    const auto unit = [Bytes](size_t i) { return static_cast<char32_t>(Bytes[2 * i] | (Bytes[2 * i + 1] << 8)); };
    for (size_t i = 0; i < Units; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < Units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        utf8::append(c, std::back_inserter(utf8));
    }
    return utf8;
}

}  // namespace

const uint8_t* TPresetStreamReader::Take(uint64_t Count) {
    if (Count > FSize - FPosition) Fail(kStreamReadError);
    const uint8_t* start = FData + FPosition;
    FPosition += static_cast<size_t>(Count);
    return start;
}

uint8_t TPresetStreamReader::ReadByte() { return *Take(1); }

uint8_t TPresetStreamReader::PeekByte() const {
    if (FPosition >= FSize) Fail(kStreamReadError);
    return FData[FPosition];
}

uint64_t TPresetStreamReader::ReadLittleEndian(int Bytes) {
    return kandrel::ReadLittleEndian(Take(static_cast<uint64_t>(Bytes)), Bytes);
}

void TPresetStreamReader::ReadSignature() {
    const uint8_t* p = Take(kPresetSignature.size());
    if (!std::equal(kPresetSignature.begin(), kPresetSignature.end(), p)) Fail(kInvalidStreamFormat);
}

void TPresetStreamReader::ReadListBegin() {
    if (ReadByte() != ptList) Fail(kInvalidPropertyValue);
}

void TPresetStreamReader::ReadListEnd() {
    if (ReadByte() != ptEndOfList) Fail(kInvalidPropertyValue);
}

bool TPresetStreamReader::EndOfList() { return PeekByte() == ptEndOfList; }

int32_t TPresetStreamReader::ReadInteger() {
    switch (ReadByte()) {
        case ptInt8: return static_cast<int8_t>(ReadLittleEndian(1));
        case ptInt16: return static_cast<int16_t>(ReadLittleEndian(2));
        case ptInt32: return static_cast<int32_t>(ReadLittleEndian(4));
        default: Fail(kInvalidPropertyValue);
    }
}

float TPresetStreamReader::ReadFloat() {
    switch (ReadByte()) {
        case ptExtended: return DoubleToSingle(ExtendedToDouble(Take(10)));
        case ptDouble: return DoubleToSingle(std::bit_cast<double>(ReadLittleEndian(8)));
        case ptInt64: return static_cast<float>(static_cast<int64_t>(ReadLittleEndian(8)));
        case ptInt8: return static_cast<int8_t>(ReadLittleEndian(1));
        case ptInt16: return static_cast<int16_t>(ReadLittleEndian(2));
        case ptInt32: return static_cast<float>(static_cast<int32_t>(ReadLittleEndian(4)));
        default: Fail(kInvalidPropertyValue);
    }
}

std::string TPresetStreamReader::ReadText() {
    switch (ReadByte()) {
        case ptString: {
            const uint64_t length = ReadLittleEndian(1);
            return AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(Take(length)), length));
        }
        case ptLString: {
            const uint64_t length = ReadLittleEndian(4);
            return AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(Take(length)), length));
        }
        case ptUtf8String: {
            const uint64_t length = ReadLittleEndian(4);
            return ValidUtf8(std::string_view(reinterpret_cast<const char*>(Take(length)), length));
        }
        case ptWString: {
            const uint64_t units = ReadLittleEndian(4);
            return Utf16ToUtf8(Take(2 * units), static_cast<size_t>(units));
        }
        default: Fail(kInvalidPropertyValue);
    }
}

}  // namespace kandrel
