// Runs BLOCKS blocks of EVENTS note-ons through the host path so that
// `valgrind --tool=callgrind --toggle-collect=RunMeasuredBlocks` counts the
// instructions of exactly that work (see bench/count-instructions.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/realtime/RealtimeHost.h"

extern "C" __attribute__((noinline)) void RunMeasuredBlocks(kandrel::test::TRealtimeHost& Host,
                                                             vst2::VstEvents* Events, int Blocks) {
    for (int i = 0; i < Blocks; ++i) Host.RunBlock(Events, 64);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kandrel-callgrind-blocks EVENTS BLOCKS\n");
        return 2;
    }
    const int events = std::atoi(argv[1]);
    const int blocks = std::atoi(argv[2]);
    if (events < 1 || events > 1023 || blocks < 1) {
        std::fprintf(stderr, "kandrel-callgrind-blocks: EVENTS must be 1..1023 and BLOCKS at least 1\n");
        return 2;
    }
    kandrel::test::TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    e->setParameter(e, 6, 0.75f);  // Band1 scale +50
    e->setParameter(e, 7, 0.1f);   // with a random share of up to 20
    vst2::VstEvents* list = host.Events(events, true);
    host.RunBlock(list, 64);  // warm caches and lazy bindings outside the count
    RunMeasuredBlocks(host, list, blocks);
    std::printf("%lld events received\n", static_cast<long long>(host.EventsReceived.load()));
    return 0;
}
