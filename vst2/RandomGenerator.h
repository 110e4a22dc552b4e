// The module's pseudo-random source for the bands' random share: a 32-bit linear
// congruential generator, seeded per module from the high-resolution clock so
// that two instances never play the same sequence.
// Thread: the processing thread draws; seeding happens once at construction.
#pragma once

#include <cstdint>

namespace vst2 {

class TRandomGenerator {
public:
    TRandomGenerator() noexcept;
    explicit TRandomGenerator(uint32_t Seed) noexcept : FSeed(Seed) {}

    // Evenly spread integer in 0..Range-1; 0 when Range is 0.
    uint32_t Next(uint32_t Range) noexcept {
        FSeed = FSeed * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(FSeed) * Range) >> 32);
    }
    uint32_t Seed() const noexcept { return FSeed; }

private:
    uint32_t FSeed;
};

}  // namespace vst2
