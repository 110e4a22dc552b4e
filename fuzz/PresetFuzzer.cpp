// libFuzzer target: arbitrary bytes as a preset container, as a bare preset
// stream, and as the host's program and bank chunks. Besides the sanitizers'
// findings it stops on a state that does not settle: whatever an input left
// behind must, after one trip through the host, save and load back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "plugin/Plugin.h"
#include "tests/support/ChunkBytes.h"

namespace {

intptr_t Callback(vst2::AEffect*, int32_t Opcode, int32_t, intptr_t, void*, float) {
    return Opcode == vst2::audioMasterVersion ? 2400 : 0;
}

kandrel::TVSTPlugin& Module() {
    static const std::unique_ptr<kandrel::TVSTPlugin> module = [] {
        auto created = std::make_unique<kandrel::TVSTPlugin>();
        created->Create();
        created->SetAudioMaster(&Callback);
        // No preset file exists here, so names never depend on the machine.
        created->PresetsFolder = "/nonexistent-kandrel-fuzz/";
        return created;
    }();
    return *module;
}

// The plug-in always hands over its state.
std::vector<uint8_t> GetChunk(vst2::AEffect* Effect, int32_t Kind) {
    std::vector<uint8_t> bytes = kandrel::test::GetChunkBytes(Effect, Kind);
    if (bytes.empty()) std::abort();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kandrel::TVSTPlugin& module = Module();
    vst2::AEffect* effect = module.Effect();

    kandrel::TMemoryStreamChunk chunk;
    try {
        chunk.LoadFromBytes(Data, Size);
        module.LoadPresetFromChunk(chunk, nullptr);
    } catch (const std::exception&) {
        // not a container
    }
    chunk.Stream.assign(Data, Data + Size);
    chunk.Position = 0;
    module.LoadPresetFromChunk(chunk, nullptr);

    using kandrel::test::SetChunkBytes;
    const std::vector<uint8_t> input(Data, Data + Size);
    SetChunkBytes(effect, kandrel::test::kProgram, input);
    SetChunkBytes(effect, kandrel::test::kBank, input);

    // One trip may still change the state: a failed load keeps the preset name
    // it read, a successful one drops a name without a preset file. From then
    // on saving and loading must give the same bytes.
    const std::vector<uint8_t> first = GetChunk(effect, 1);
    SetChunkBytes(effect, kandrel::test::kProgram, first);
    const std::vector<uint8_t> second = GetChunk(effect, 1);
    SetChunkBytes(effect, kandrel::test::kProgram, second);
    if (GetChunk(effect, 1) != second) std::abort();
    return 0;
}
