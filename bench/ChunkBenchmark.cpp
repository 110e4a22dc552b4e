// Time per save + load of the whole default state through the host interface:
// effGetChunk, then effSetChunk with the bytes just received (program or bank).
#include <benchmark/benchmark.h>

#include "tests/realtime/RealtimeHost.h"

namespace {

void ChunkRoundTrip(benchmark::State& state, int32_t Kind) {
    kandrel::test::TRealtimeHost host;
    for (auto _ : state) host.ChunkRoundTrip(Kind);
}

void BM_ProgramChunkRoundTrip(benchmark::State& state) { ChunkRoundTrip(state, 1); }
void BM_BankChunkRoundTrip(benchmark::State& state) { ChunkRoundTrip(state, 0); }
BENCHMARK(BM_ProgramChunkRoundTrip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BankChunkRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
