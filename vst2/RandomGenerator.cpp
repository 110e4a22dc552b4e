#include "vst2/RandomGenerator.h"

#include <chrono>

namespace vst2 {

namespace {
// Folds the clock with this object's address, so instances made within the
// same clock tick still start apart.
uint32_t SeedFromClock(const void* self) noexcept {
    const auto ticks = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    uint64_t mixed = ticks ^ (reinterpret_cast<uintptr_t>(self) * 0x9E3779B97F4A7C15ull);
    mixed ^= mixed >> 32;
    return static_cast<uint32_t>(mixed);
}
}  // namespace

TRandomGenerator::TRandomGenerator() noexcept : FSeed(SeedFromClock(this)) {}

}  // namespace vst2
