#include "editor/ModuleEditorLink.h"

#include <algorithm>
#include <limits>

namespace kandrel::editor {

TModuleEditorLink::TModuleEditorLink(std::unique_ptr<TfrmVSTEditorBase> Form, void* ParentWindow)
    : FForm(std::move(Form)) {
    FNative = ui::win32::CreateChildWindow(*FForm, ParentWindow);
    FNative->SetWakeHandler([this] { DeliverPosted(); });
    FNative->SetShowHandler([this] { FForm->Show(); });
    FForm->Show();
}

TModuleEditorLink::~TModuleEditorLink() {
    FNative.reset();
    FForm->CloseForm();
}

void TModuleEditorLink::UpdateControls() { FForm->UpdateControls(); }

void TModuleEditorLink::UpdatePresetName() { FForm->UpdatePresetName(); }

void TModuleEditorLink::ShowInfo(std::string_view Text) {
    if (FMailbox.PostInfo(Text)) FNative->Wake();
}

void TModuleEditorLink::NoteLearned(int32_t Note) {
    if (FMailbox.PostNote(Note)) FNative->Wake();
}

void TModuleEditorLink::DeliverPosted() {
    FMailbox.Drain([this](const std::string& Text) { FForm->ShowInfo(Text); },
                   [this](int32_t Note) { FForm->NoteLearned(Note); });
}

// A borderless window's size is its client area's.
void TModuleEditorLink::GetSize(int16_t& Width, int16_t& Height) {
    constexpr int32_t most = std::numeric_limits<int16_t>::max();
    Width = static_cast<int16_t>(std::clamp(FForm->Width(), 0, most));
    Height = static_cast<int16_t>(std::clamp(FForm->Height(), 0, most));
}

}  // namespace kandrel::editor
