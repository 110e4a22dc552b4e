#include "plugin/Velo.h"

#include <cstdlib>

#include "common/JovCommon.h"

namespace kandrel {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr int32_t kMaxScale = 200;

// Low bound first, so a band whose minimum exceeds its maximum yields the maximum.
int32_t Clamp(int64_t v, const TBandSnapshot& b) noexcept {
    if (v < b.VelocityMin) v = b.VelocityMin;
    if (v > b.VelocityMax) v = b.VelocityMax;
    return static_cast<int32_t>(v);
}
}  // namespace

void TVeloBand::Assign(const TVeloBand& Source) noexcept {
    Active.store(Source.Active.load(kRelaxed), kRelaxed);
    VelocityMax.store(Source.VelocityMax.load(kRelaxed), kRelaxed);
    VelocityMin.store(Source.VelocityMin.load(kRelaxed), kRelaxed);
    ScaleRandom.store(Source.ScaleRandom.load(kRelaxed), kRelaxed);
    RangeFrom.store(Source.RangeFrom.load(kRelaxed), kRelaxed);
    RangeTo.store(Source.RangeTo.load(kRelaxed), kRelaxed);
    VelocityScale.store(Source.VelocityScale.load(kRelaxed), kRelaxed);
}

int32_t ApplyBand(const TBandSnapshot& Band, int32_t Velocity, vst2::TRandomGenerator& Random) noexcept {
    // 64-bit throughout: preset data may carry band values far outside their
    // parameter ranges, and no step may overflow on them.
    int64_t v = Clamp(Velocity, Band);
    int64_t g = Band.VelocityScale;
    if (Band.ScaleRandom > 0) {
        const int64_t l = Band.ScaleRandom;
        const int64_t n = (g + l <= kMaxScale) ? l : kMaxScale - g;
        // A scale already above 200 leaves no room for a random share.
        if (n >= 0) g += Random.Next(static_cast<uint32_t>(n + 1));
    }
    if (g < 0)
        v -= RoundHalfEven(static_cast<double>(v - Band.VelocityMin) * (static_cast<double>(-g) / 100.0));
    else if (g > 0)
        v += RoundHalfEven(static_cast<double>(Band.VelocityMax - v) * (static_cast<double>(g) / 100.0));
    return Clamp(v, Band);
}

int32_t TVelo::MatchVelocity(int32_t Note, int32_t Velocity, vst2::TRandomGenerator& Random) const noexcept {
    const int32_t key = FilterMode.load(kRelaxed) == 0 ? Note : Velocity;
    for (const TVeloBand& band : FBands) {
        // Only the fields that decide the match are read for bands that do not match.
        if (!band.Active.load(kRelaxed)) continue;
        const int32_t from = band.RangeFrom.load(kRelaxed);
        const int32_t to = band.RangeTo.load(kRelaxed);
        if (key < from || key > to) continue;
        const TBandSnapshot b{band.VelocityMin.load(kRelaxed), band.VelocityMax.load(kRelaxed),
                              band.VelocityScale.load(kRelaxed), band.ScaleRandom.load(kRelaxed)};
        return ApplyBand(b, Velocity, Random);
    }
    return Velocity;
}

}  // namespace kandrel
