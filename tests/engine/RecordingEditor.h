// Stands in for the editor window: records what the module tells it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vst2/ModuleEditor.h"

namespace kandrel::test {

class TRecordingEditor : public vst2::IModuleEditor {
public:
    void UpdateControls() override { ++ControlUpdates; }
    void UpdatePresetName() override { ++PresetNameUpdates; }
    void ShowInfo(std::string_view Text) override { Infos.emplace_back(Text); }
    void NoteLearned(int32_t Note) override { Notes.push_back(Note); }
    void GetSize(int16_t&, int16_t&) override {}

    int32_t ControlUpdates = 0;
    int32_t PresetNameUpdates = 0;
    std::vector<std::string> Infos;
    std::vector<int32_t> Notes;
};

}  // namespace kandrel::test
