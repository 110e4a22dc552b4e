// Copying a plug-in's chunk out (effGetChunk) and handing bytes back
// (effSetChunk) through its plug-in record, as a host does.
#pragma once

#include <cstdint>
#include <vector>

#include "vst2/VstInterface.h"

namespace kandrel::test {

// effGetChunk / effSetChunk index: 0 the bank, any other value the program.
constexpr int32_t kBank = 0, kProgram = 1;

// A copy of the bytes the plug-in hands over (its pointer is only good until
// the next request); empty when it hands over nothing.
inline std::vector<uint8_t> GetChunkBytes(vst2::AEffect* Effect, int32_t Kind = kProgram) {
    void* data = nullptr;
    const intptr_t size = Effect->dispatcher(Effect, vst2::effGetChunk, Kind, 0, &data, 0.0f);
    if (data == nullptr || size <= 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

// effSetChunk with the bytes; answers what the plug-in answers.
inline intptr_t SetChunkBytes(vst2::AEffect* Effect, int32_t Kind, const std::vector<uint8_t>& Chunk) {
    return Effect->dispatcher(Effect, vst2::effSetChunk, Kind, static_cast<intptr_t>(Chunk.size()),
                              const_cast<uint8_t*>(Chunk.data()), 0.0f);
}

}  // namespace kandrel::test
