#include "tests/hostlevel/HostFixture.h"

#include "host/TestPaths.h"

namespace kandrel::test {

const host::TPluginLibrary& KandrelLibrary() {
    static const host::TPluginLibrary library(host::PluginPathBesideProgram(KANDREL_PLUGIN_FILE));
    return library;
}

std::vector<uint8_t> GetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind) {
    void* data = nullptr;
    const intptr_t size = Plugin.Dispatch(vst2::effGetChunk, Kind, 0, &data);
    if (data == nullptr || size <= 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

intptr_t SetChunkBytes(host::THostedPlugin& Plugin, int32_t Kind, const std::vector<uint8_t>& Chunk) {
    return Plugin.Dispatch(vst2::effSetChunk, Kind, static_cast<intptr_t>(Chunk.size()),
                           const_cast<uint8_t*>(Chunk.data()));
}

}  // namespace kandrel::test
