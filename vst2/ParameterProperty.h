// One row of the module's parameter property table: how the host sees a
// parameter (name, range) and the two handlers that give it meaning.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vst2 {

struct TParameterProperty {
    std::string DisplayName;
    std::string ShortLabel;
    std::string Units;
    float Min = 0.0f;
    float Max = 1.0f;
    int32_t MinInteger = 0;
    int32_t MaxInteger = 1;
    float CurveFactor = 1.0f;
    float StepFloat = 1.0f;
    float SmallStepFloat = 0.5f;
    float LargeStepFloat = 1.0f;
    int32_t LargeStepInteger = 1;

    // Runs for every change of the parameter with its plain value; may run on
    // any thread (host automation, processing, user interface), so it must not
    // allocate, lock or throw.
    std::function<void(int32_t Index, float& Value)> OnParameterChange;
    // Replaces PreDefined (the default text) with the parameter's display text.
    // User-interface thread.
    std::function<void(int32_t Index, std::string& PreDefined)> OnCustomParameterDisplay;

    // Plain value -> host value, clamped to 0..1 (a NaN reads as 0).
    float Normalize(float Plain) const noexcept;
    // Host value (clamped to 0..1 first) -> plain value.
    float Denormalize(float Normalized) const noexcept;
};

}  // namespace vst2
