// What a module may ask of its open editor window. The engine knows the editor
// only through this interface, so it builds and runs without any window code.
#pragma once

#include <cstdint>
#include <string_view>

namespace vst2 {

class IModuleEditor {
public:
    virtual ~IModuleEditor() = default;
    // User-interface thread (host idle): refresh every control from the values.
    virtual void UpdateControls() = 0;
    // User-interface thread: the preset name changed.
    virtual void UpdatePresetName() = 0;
    // Processing thread: the editor copies the text and shows it on its own thread.
    virtual void ShowInfo(std::string_view Text) = 0;
    // Processing thread: a note arrived in note-learn mode; handed over like ShowInfo.
    virtual void NoteLearned(int32_t Note) = 0;
    // User-interface thread: the window's size in pixels.
    virtual void GetSize(int16_t& Width, int16_t& Height) = 0;
};

}  // namespace vst2
