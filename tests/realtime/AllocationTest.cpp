// The real-time path must not touch the heap: this program replaces the
// global allocation functions with counting ones (the plug-in, loaded with
// dlopen, binds to them too) and counts around MIDI processing, audio
// processing and host automation.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "tests/realtime/RealtimeHost.h"
#include "tests/support/ChunkBytes.h"
#include "tests/support/PresetBytes.h"

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
void Count() noexcept {
    if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1, std::memory_order_relaxed);
}
void* NewOrThrow(size_t n) {
    Count();
    if (void* p = __libc_malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void* AlignedNewOrThrow(size_t n, std::align_val_t a) {
    Count();
    if (void* p = __libc_memalign(static_cast<size_t>(a), n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
}  // namespace

extern "C" {
void* malloc(size_t n) {
    Count();
    return __libc_malloc(n);
}
void* calloc(size_t n, size_t size) {
    Count();
    return __libc_calloc(n, size);
}
void* realloc(void* p, size_t n) {
    Count();
    return __libc_realloc(p, n);
}
void free(void* p) { __libc_free(p); }
}

void* operator new(size_t n) { return NewOrThrow(n); }
void* operator new[](size_t n) { return NewOrThrow(n); }
void* operator new(size_t n, std::align_val_t a) { return AlignedNewOrThrow(n, a); }
void* operator new[](size_t n, std::align_val_t a) { return AlignedNewOrThrow(n, a); }
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete[](void* p) noexcept { __libc_free(p); }
void operator delete(void* p, size_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t) noexcept { __libc_free(p); }
void operator delete(void* p, std::align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { __libc_free(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { __libc_free(p); }

namespace kandrel::test {
namespace {

TEST(Allocation, CountingHooksSeeThePluginsAllocations) {
    // Guards the test itself: creating an instance allocates, and the hooks see it.
    gAllocations = 0;
    gCounting = true;
    { TRealtimeHost host; }
    gCounting = false;
    EXPECT_GT(gAllocations.load(), 0);
}

TEST(Allocation, RealtimePathAllocatesNothing) {
    TRealtimeHost host;
    vst2::AEffect* e = host.Effect();
    // Bands that rewrite, with random shares, and controller 7 (every eighth
    // event) driving two parameters, so that mapping and its automation run too.
    TPresetState state = DefaultState();
    state.Bands[0][0] = 1;
    state.Assignments = {{"Band1 Velocity Scale", 7}, {"Band2 Active", 7}};
    SetChunkBytes(e, kProgram, PresetStream(state).Container());
    e->setParameter(e, 7, 0.5f);
    const int64_t automationBefore = host.AutomationReceived.load();
    vst2::VstEvents* events = host.Events(256);
    float* outputs[2] = {nullptr, nullptr};
    std::vector<float> left(512), right(512);
    std::vector<double> leftD(512), rightD(512);
    outputs[0] = left.data();
    outputs[1] = right.data();
    double* outputsD[2] = {leftD.data(), rightD.data()};

    gAllocations = 0;
    gCounting = true;
    for (int block = 0; block < 50; ++block) {
        host.RunBlock(events, 512);
        e->dispatcher(e, vst2::effProcessEvents, 0, 0, events, 0.0f);
        e->processDoubleReplacing(e, nullptr, outputsD, 512);
        e->dispatcher(e, vst2::effProcessEvents, 0, 0, events, 0.0f);
        e->process(e, nullptr, outputs, 512);
        for (int32_t index = 0; index < 36; ++index) e->setParameter(e, index, (block % 10) / 10.0f);
        (void)e->getParameter(e, block % 36);
    }
    gCounting = false;
    EXPECT_EQ(gAllocations.load(), 0);
    EXPECT_EQ(host.EventsReceived.load(), 150 * 256);
    // Two parameters reported for each of the 32 control changes of a list, 3 lists a round.
    EXPECT_EQ(host.AutomationReceived.load() - automationBefore, 50 * 3 * 32 * 2);
}

}  // namespace
}  // namespace kandrel::test
