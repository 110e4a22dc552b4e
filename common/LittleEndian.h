// Little-endian numbers in byte buffers, as preset streams, containers and
// the host's bank chunks carry them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kandrel {

// Appends the Bytes lowest bytes of Value, lowest first.
inline void AppendLittleEndian(std::vector<uint8_t>& Out, uint64_t Value, int Bytes) {
    for (int i = 0; i < Bytes; ++i) Out.push_back(static_cast<uint8_t>(Value >> (8 * i)));
}

// The number in the Bytes bytes at Data, lowest first; the caller has checked they are there.
inline uint64_t ReadLittleEndian(const uint8_t* Data, int Bytes) noexcept {
    uint64_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i) value = (value << 8) | Data[i];
    return value;
}

}  // namespace kandrel
