// The module's hold on the editor window it owns. The module publishes the
// gate, not the window, as its editor: the processing thread's calls
// (ShowInfo, NoteLearned) pass through the gate, and closing first shuts the
// gate and waits until no such call is inside it before the window is
// destroyed. A processing-thread call therefore never reaches a window that is
// going away, and it never waits itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>

#include "vst2/ModuleEditor.h"

namespace vst2 {

class TEditorGate final : public IModuleEditor {
public:
    TEditorGate() = default;
    ~TEditorGate() override;
    TEditorGate(const TEditorGate&) = delete;
    TEditorGate& operator=(const TEditorGate&) = delete;

    // User-interface thread: the gate now leads to Editor (a window already open).
    void Open(std::unique_ptr<IModuleEditor> Editor) noexcept;
    // User-interface thread: shuts the gate, waits for processing-thread calls
    // still inside it, then destroys the window. Nothing when none is open.
    void Close() noexcept;
    // User-interface thread.
    bool IsOpen() const noexcept { return FEditor != nullptr; }

    // User-interface thread: passed straight on to the open window.
    void UpdateControls() override;
    void UpdatePresetName() override;
    void GetSize(int16_t& Width, int16_t& Height) override;
    // Processing thread (any thread): passed on while the gate is open, dropped otherwise.
    void ShowInfo(std::string_view Text) override;
    void NoteLearned(int32_t Note) override;

private:
    // Runs Call on the open window, if there is one, while the closing side waits.
    template <class F>
    void Enter(F&& Call) noexcept;

    std::unique_ptr<IModuleEditor> FEditor;        // user-interface thread
    std::atomic<IModuleEditor*> FTarget{nullptr};  // what processing-thread calls reach
    std::atomic<int32_t> FInside{0};               // processing-thread calls in progress
};

}  // namespace vst2
