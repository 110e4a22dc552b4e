// The host saves and restores the state on its user-interface thread while its
// processing thread plays notes and controllers. Built with ThreadSanitizer
// this must run clean; in every build no event may be lost meanwhile.
#include <gtest/gtest.h>

#include <vector>

#include "tests/realtime/RealtimeHost.h"
#include "tests/support/ChunkBytes.h"
#include "tests/support/PresetBytes.h"

namespace kandrel::test {
namespace {

TEST(Concurrency, ChunksWhileProcessingMidi) {
    TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    TPresetState state = DefaultState();
    state.Assignments = {{"Band1 Velocity Scale", 7}, {"Band2 Active", 7}};  // the controller of Events()
    state.Bands[1][0] = 1;
    const std::vector<uint8_t> mapped = PresetStream(state).Container();
    constexpr int32_t kBlocks = 2000;
    const int64_t received = host.ProcessWhileUserInterfaceRuns(kBlocks, [&](int32_t i) {
        const int32_t kind = i % 2;  // bank, program
        SetChunkBytes(e, kind, GetChunkBytes(e, kind));
        SetChunkBytes(e, kProgram, mapped);
        e->dispatcher(e, vst2::effEditIdle, 0, 0, nullptr, 0.0f);
    });
    EXPECT_EQ(received, int64_t{kBlocks} * 32);
}

}  // namespace
}  // namespace kandrel::test
