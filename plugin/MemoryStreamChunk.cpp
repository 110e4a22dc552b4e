#include "plugin/MemoryStreamChunk.h"

#include <algorithm>

#include "common/FileIO.h"
#include "common/LittleEndian.h"
#include "plugin/PresetStreamFormat.h"

namespace kandrel {

void TMemoryStreamChunk::SaveToBytes(std::vector<uint8_t>& Bytes) const {
    if (Stream.size() > UINT32_MAX) throw EPresetStreamError(kStreamReadError);
    const auto length = static_cast<uint32_t>(Stream.size());
    Bytes.reserve(Bytes.size() + HeaderSize + Stream.size());
    Bytes.insert(Bytes.end(), ChunkName.begin(), ChunkName.end());
    AppendLittleEndian(Bytes, length, 4);
    Bytes.insert(Bytes.end(), Stream.begin(), Stream.end());
}

void TMemoryStreamChunk::LoadFromBytes(const uint8_t* Data, size_t Size) {
    if (Data == nullptr || Size < HeaderSize) throw EPresetStreamError(kStreamReadError);
    if (!std::equal(ChunkName.begin(), ChunkName.end(), Data)) throw EPresetStreamError(kInvalidStreamFormat);
    const auto length = static_cast<uint32_t>(ReadLittleEndian(Data + 4, 4));
    if (length > Size - HeaderSize) throw EPresetStreamError(kStreamReadError);
    Stream.assign(Data + HeaderSize, Data + HeaderSize + length);
    Position = 0;
}

void TMemoryStreamChunk::LoadFromFile(const std::string& Path) {
    const std::vector<uint8_t> bytes = ReadFileBytes(Path, MaxFileSize);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TMemoryStreamChunk::SaveToFile(const std::string& Path) const {
    std::vector<uint8_t> bytes;
    SaveToBytes(bytes);
    WriteFileReplacing(Path, bytes.data(), bytes.size());
}

}  // namespace kandrel
