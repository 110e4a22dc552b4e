#include "vst2/ParameterProperty.h"

#include <algorithm>
#include <cmath>

namespace vst2 {

namespace {
float ClampUnit(float v) noexcept { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); }
}  // namespace

float TParameterProperty::Normalize(float Plain) const noexcept {
    const float range = Max - Min;
    if (range == 0.0f) return 0.0f;
    return ClampUnit((Plain - Min) / range);
}

float TParameterProperty::Denormalize(float Normalized) const noexcept {
    return Min + ClampUnit(Normalized) * (Max - Min);
}

}  // namespace vst2
