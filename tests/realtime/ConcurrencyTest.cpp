// The host automates and asks for display texts on one thread while another
// processes MIDI. Built with ThreadSanitizer this must run clean; in every
// build the band engine must keep producing in-range output meanwhile.
#include <gtest/gtest.h>

#include "tests/realtime/RealtimeHost.h"

namespace kandrel::test {
namespace {

TEST(Concurrency, AutomationWhileProcessingMidi) {
    TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    constexpr int32_t kBlocks = 3000;
    const int64_t received = host.ProcessWhileUserInterfaceRuns(kBlocks, [e](int32_t i) {
        char text[64];
        const int32_t index = i % 36;
        e->setParameter(e, index, static_cast<float>(i % 101) / 100.0f);
        (void)e->getParameter(e, (index + 7) % 36);
        e->dispatcher(e, vst2::effGetParamDisplay, (index + 3) % 36, 0, text, 0.0f);
        e->dispatcher(e, vst2::effString2Parameter, (index + 5) % 36, 0, nullptr, 0.0f);
        e->dispatcher(e, vst2::effEditIdle, 0, 0, nullptr, 0.0f);
    });
    EXPECT_EQ(received, int64_t{kBlocks} * 32);
}

}  // namespace
}  // namespace kandrel::test
