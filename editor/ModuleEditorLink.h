// What the module holds while its editor is open: the editor window, the
// native window that shows it inside the host's window, and the mailbox that
// carries the processing thread's notifications over to the window's thread
// (a posted wake, no control touched from the processing thread).
//
// Threads: ShowInfo and NoteLearned from the processing thread (the module's
// editor gate guarantees the link outlives those calls); everything else on
// the user-interface thread.
#pragma once

#include <memory>
#include <string_view>

#include "editor/EditorMailbox.h"
#include "editor/VSTEditorBase.h"
#include "ui/win32/NativeWindow.h"
#include "vst2/ModuleEditor.h"

namespace kandrel::editor {

class TModuleEditorLink final : public vst2::IModuleEditor {
public:
    // Shows Form (created) in a new child window of ParentWindow (an HWND),
    // then runs its FormShow, and again whenever the window is shown after
    // being hidden. Throws std::runtime_error when the native window cannot be made.
    TModuleEditorLink(std::unique_ptr<TfrmVSTEditorBase> Form, void* ParentWindow);
    // Destroys the native window first (no more messages), then the editor window.
    ~TModuleEditorLink() override;

    TfrmVSTEditorBase& Form() const { return *FForm; }

    void UpdateControls() override;
    void UpdatePresetName() override;
    void ShowInfo(std::string_view Text) override;
    void NoteLearned(int32_t Note) override;
    void GetSize(int16_t& Width, int16_t& Height) override;

private:
    void DeliverPosted();

    std::unique_ptr<TfrmVSTEditorBase> FForm;
    TEditorMailbox FMailbox;
    std::unique_ptr<ui::win32::INativeWindow> FNative;  // declared last: goes first
};

}  // namespace kandrel::editor
