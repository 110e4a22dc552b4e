// Reads the tagged values of a preset stream. It accepts more forms than the
// writer produces (older and foreign writers): texts in the ANSI code page, as
// UTF-16 or as UTF-8; floats as extended, double, 64-bit or smaller integers.
//
// Every read is checked against the bytes present, and every length before
// anything is allocated: data ending early throws "Stream read error", a wrong
// signature "Invalid stream format", an unexpected tag "Invalid property value"
// (all EPresetStreamError). Invalid UTF-8 and UTF-16 read as U+FFFD.
// The reader does not own the bytes; they must outlive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kandrel {

class TPresetStreamReader {
public:
    TPresetStreamReader(const uint8_t* Data, size_t Size, size_t Position = 0) noexcept
        : FData(Data), FSize(Size), FPosition(Position < Size ? Position : Size) {}

    void ReadSignature();
    // Expects 0x01.
    void ReadListBegin();
    // Expects 0x00.
    void ReadListEnd();
    // Whether the next byte is 0x00, without taking it; throws when there is none.
    bool EndOfList();
    // 8-, 16- or 32-bit integer.
    int32_t ReadInteger();
    // Any numeric form, as the nearest float (beyond the float range ±infinity).
    float ReadFloat();
    // Any text form, as UTF-8.
    std::string ReadText();

    size_t Position() const noexcept { return FPosition; }

private:
    uint8_t ReadByte();
    uint8_t PeekByte() const;
    uint64_t ReadLittleEndian(int Bytes);
    // Takes Count bytes and answers where they start; throws before taking
    // anything when fewer are left.
    const uint8_t* Take(uint64_t Count);

    const uint8_t* FData;
    size_t FSize;
    size_t FPosition;
};

}  // namespace kandrel
