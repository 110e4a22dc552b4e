// The five velocity bands and the arithmetic that gives a note-on its new
// velocity.
//
// Band fields are written by the parameter change handlers (any thread) and read
// by the band match (processing thread); each is a relaxed atomic, and a match
// takes one snapshot per band, so a change landing mid-note is seen whole or
// not at all per field and the clamps keep the result inside the band's limits.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "vst2/RandomGenerator.h"

namespace kandrel {

class TVeloBand {
public:
    std::atomic<bool> Active{false};
    std::atomic<int32_t> VelocityMax{0};
    std::atomic<int32_t> VelocityMin{0};
    std::atomic<int32_t> ScaleRandom{0};
    std::atomic<int32_t> RangeFrom{0};
    std::atomic<int32_t> RangeTo{0};
    std::atomic<int32_t> VelocityScale{0};

    // Copies all seven fields.
    void Assign(const TVeloBand& Source) noexcept;
};

// The fields that shape a matched note's velocity, read once for that note.
struct TBandSnapshot {
    int32_t VelocityMin = 0, VelocityMax = 0, VelocityScale = 0, ScaleRandom = 0;
};

// Clamp, push by the scale plus an optional random share, clamp again.
int32_t ApplyBand(const TBandSnapshot& Band, int32_t Velocity, vst2::TRandomGenerator& Random) noexcept;

class TVelo {
public:
    static constexpr int32_t BandCount = 5;

    // 0 = bands match the note number, 1 = the incoming velocity.
    std::atomic<uint8_t> FilterMode{0};

    TVeloBand& GetItem(int32_t Index) noexcept { return FBands[static_cast<size_t>(Index)]; }
    const TVeloBand& GetItem(int32_t Index) const noexcept { return FBands[static_cast<size_t>(Index)]; }
    int32_t Count() const noexcept { return BandCount; }

    // The velocity a note-on leaves with: that of the first active band whose
    // range holds the key, or the incoming one when no band matches.
    // Processing thread.
    int32_t MatchVelocity(int32_t Note, int32_t Velocity, vst2::TRandomGenerator& Random) const noexcept;

private:
    std::array<TVeloBand, BandCount> FBands;
};

}  // namespace kandrel
