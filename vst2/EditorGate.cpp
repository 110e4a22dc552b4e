#include "vst2/EditorGate.h"

#include <thread>

namespace vst2 {

TEditorGate::~TEditorGate() { Close(); }

void TEditorGate::Open(std::unique_ptr<IModuleEditor> Editor) noexcept {
    Close();
    FEditor = std::move(Editor);
    FTarget.store(FEditor.get(), std::memory_order_seq_cst);
}

// The counter is raised before the target is read and the target cleared
// before the counter is read (both sequentially consistent): a call that saw
// the window is counted by the time the closing side looks.
void TEditorGate::Close() noexcept {
    if (!FEditor) return;
    FTarget.store(nullptr, std::memory_order_seq_cst);
    while (FInside.load(std::memory_order_seq_cst) != 0) std::this_thread::yield();
    FEditor.reset();
}

template <class F>
void TEditorGate::Enter(F&& Call) noexcept {
    FInside.fetch_add(1, std::memory_order_seq_cst);
    if (IModuleEditor* editor = FTarget.load(std::memory_order_seq_cst)) {
        try {
            Call(*editor);
        } catch (...) {
        }
    }
    FInside.fetch_sub(1, std::memory_order_seq_cst);
}

void TEditorGate::UpdateControls() {
    if (FEditor) FEditor->UpdateControls();
}

void TEditorGate::UpdatePresetName() {
    if (FEditor) FEditor->UpdatePresetName();
}

void TEditorGate::GetSize(int16_t& Width, int16_t& Height) {
    if (FEditor) FEditor->GetSize(Width, Height);
}

void TEditorGate::ShowInfo(std::string_view Text) {
    Enter([Text](IModuleEditor& Editor) { Editor.ShowInfo(Text); });
}

void TEditorGate::NoteLearned(int32_t Note) {
    Enter([Note](IModuleEditor& Editor) { Editor.NoteLearned(Note); });
}

}  // namespace vst2
