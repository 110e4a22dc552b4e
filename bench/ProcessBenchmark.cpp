// Time per block of note-ons through the whole host path: effProcessEvents,
// processReplacing (64 frames) and the host callback receiving the events.
#include <benchmark/benchmark.h>

#include "tests/realtime/RealtimeHost.h"

namespace {

void BM_NoteOnBlock(benchmark::State& state) {
    kandrel::test::TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    e->setParameter(e, 6, 0.75f);  // Band1 scale +50
    e->setParameter(e, 7, 0.1f);   // with a random share of up to 20
    const auto count = static_cast<int32_t>(state.range(0));
    vst2::VstEvents* events = host.Events(count, true);
    for (auto _ : state) host.RunBlock(events, 64);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_NoteOnBlock)->Arg(1)->Arg(16)->Arg(256);

}  // namespace

BENCHMARK_MAIN();
