// The container a preset travels in — in preset files and in the program
// chunk the host stores: the name "mmst", the payload's length (unsigned 32-bit
// little-endian) and the payload, the preset stream, with nothing after it.
// Thread: whichever thread loads or saves; a chunk is not shared.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kandrel {

class TMemoryStreamChunk {
public:
    static constexpr std::array<uint8_t, 4> ChunkName = {'m', 'm', 's', 't'};
    static constexpr size_t HeaderSize = 8;
    // No preset comes near this; a bigger file is not one of ours and is not read.
    static constexpr uint64_t MaxFileSize = 16u << 20;

    // The payload and the read position in it.
    std::vector<uint8_t> Stream;
    size_t Position = 0;

    // Empty payload, position 0.
    void Clear() noexcept {
        Stream.clear();
        Position = 0;
    }

    // Appends the serialised container to Bytes.
    void SaveToBytes(std::vector<uint8_t>& Bytes) const;
    // Takes the payload from a serialised container and positions at 0. Checks
    // the name ("Invalid stream format") and that the length fits in the bytes
    // present ("Stream read error"; nothing is allocated then). Bytes after the
    // payload are ignored. On error the chunk is left as it was.
    void LoadFromBytes(const uint8_t* Data, size_t Size);
    // The same from a file (UTF-8 path); also throws EFileError.
    void LoadFromFile(const std::string& Path);
    // Writes the serialised container to a file without ever leaving a part of
    // it under Path. Throws EFileError.
    void SaveToFile(const std::string& Path) const;
};

}  // namespace kandrel
