// Kandrel's parameter table: the one list from which the host's parameter
// properties, the value store and (later) the editor bindings are built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kandrel {

enum class TParameterKind : uint8_t {
    FilterType,
    Active,
    RangeFrom,
    RangeTo,
    VelocityMin,
    VelocityMax,
    VelocityScale,
    ScaleRandom,
};

struct TKandrelParameter {
    std::string DisplayName;  // the stable key of values, presets, assignments and controls
    std::string ShortLabel;
    float Min;
    float Max;
    int32_t MinInteger;
    int32_t MaxInteger;
    float DefaultValue;
    int32_t BandIndex;  // 0..4; 0 for the filter type
    TParameterKind Kind;
};

// The 36 parameters in index order: "Filter Type", then seven per band.
const std::vector<TKandrelParameter>& KandrelParameters();

// Index of band Band's (0..4) parameter of the given kind.
constexpr int32_t BandParameterIndex(int32_t Band, TParameterKind Kind) {
    return 1 + 7 * Band + (static_cast<int32_t>(Kind) - static_cast<int32_t>(TParameterKind::Active));
}

}  // namespace kandrel
