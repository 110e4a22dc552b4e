// The host automates and asks for display texts on one thread while another
// processes MIDI. Built with ThreadSanitizer this must run clean; in every
// build the band engine must keep producing in-range output meanwhile.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/realtime/RealtimeHost.h"

namespace kandrel::test {
namespace {

TEST(Concurrency, AutomationWhileProcessingMidi) {
    TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    vst2::VstEvents* events = host.Events(32);
    std::atomic<bool> stop{false};

    std::thread userInterface([&] {
        char text[64];
        for (int i = 0; !stop.load(); ++i) {
            const int32_t index = i % 36;
            e->setParameter(e, index, static_cast<float>(i % 101) / 100.0f);
            (void)e->getParameter(e, (index + 7) % 36);
            e->dispatcher(e, vst2::effGetParamDisplay, (index + 3) % 36, 0, text, 0.0f);
            e->dispatcher(e, vst2::effString2Parameter, (index + 5) % 36, 0, nullptr, 0.0f);
            e->dispatcher(e, vst2::effEditIdle, 0, 0, nullptr, 0.0f);
        }
    });
    constexpr int kBlocks = 3000;
    for (int block = 0; block < kBlocks; ++block) host.RunBlock(events, 64);
    stop.store(true);
    userInterface.join();

    EXPECT_EQ(host.EventsReceived.load(), int64_t{kBlocks} * 32);
}

}  // namespace
}  // namespace kandrel::test
