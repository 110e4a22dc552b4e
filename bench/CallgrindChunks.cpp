// Runs COUNT save + load round trips of the default state through the host
// interface (effGetChunk, then effSetChunk with those bytes; KIND 1 program,
// 0 bank) so that `valgrind --tool=callgrind --toggle-collect=RunMeasuredRoundTrips`
// counts exactly that work (see bench/count-chunk-instructions.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/realtime/RealtimeHost.h"

extern "C" __attribute__((noinline)) void RunMeasuredRoundTrips(kandrel::test::TRealtimeHost* Host, int Kind,
                                                                 int Count) {
    for (int i = 0; i < Count; ++i) Host->ChunkRoundTrip(Kind);
}

int main(int argc, char** argv) {
    if (argc != 3 || (std::atoi(argv[1]) != 0 && std::atoi(argv[1]) != 1) || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: kandrel-callgrind-chunks KIND(1 program, 0 bank) COUNT\n");
        return 2;
    }
    kandrel::test::TRealtimeHost host;
    const int kind = std::atoi(argv[1]);
    host.ChunkRoundTrip(kind);  // first-use costs (buffers growing, lazy bindings) outside the count
    RunMeasuredRoundTrips(&host, kind, std::atoi(argv[2]));
    std::printf("%lld automation messages\n", static_cast<long long>(host.AutomationReceived.load()));
    return 0;
}
