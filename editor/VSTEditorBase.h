// TfrmVSTEditorBase: the root of the plug-in's editor windows. A borderless
// window, 531 x 396 unless a derived window sets its own size, with a tiled
// background (the plug-in file's bitmap "EditorBackground", repeated from the
// window's top-left corner) and one rounded, translucent main panel, panMain,
// that fills it (margins 3 left, right and bottom, 4 at the top).
//
// Creation has two steps, so that derived windows take part in both: the
// constructors lay out their controls while the window is loading, then
// CreateForm ends loading (the controls' Loaded: skin colours) and runs
// FormCreate. MakeEditorForm does both. CloseForm runs FormDestroy before the
// window is freed; the module owns the window (through its editor link).
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "controls/JovGuiPanel.h"
#include "plugin/VSTPluginBaseDM.h"
#include "ui/Bitmap.h"
#include "ui/ResourceProvider.h"
#include "ui/Window.h"

namespace kandrel::editor {

class TfrmVSTEditorBase : public ui::TWindow {
public:
    static constexpr int32_t kClientWidth = 531;
    static constexpr int32_t kClientHeight = 396;

    // Resources: the plug-in file's own bitmaps and strips.
    TfrmVSTEditorBase(TVSTPluginBase& AModule, ui::IResourceProvider& Resources);
    ~TfrmVSTEditorBase() override;

    // Ends loading and runs FormCreate (once).
    void CreateForm();
    // Runs FormDestroy (once); the destructor does it for this class when it was not called.
    void CloseForm();
    // The window has been shown: FormShow.
    void Show() { FormShow(); }

    // The window's owner, the plug-in module.
    TVSTPluginBase& Module() const { return FModule; }

    controls::TJovGuiPanel panMain;
    // The tile painted behind everything; loaded in FormCreate, freed in FormDestroy.
    std::unique_ptr<ui::TBitmap> Background;
    // True while a value is written into a control, so its change is not sent back.
    bool Updating = false;
    // The window's font, which derived windows' texts start from.
    ui::TFont Font{"Segoe UI", 12, true, 0};

    // Set every control from the module's values / show the preset's name.
    // Empty here.
    virtual void UpdateControls() {}
    virtual void UpdatePresetName() {}
    // The module's notifications from the processing thread, arriving here on
    // the user-interface thread. Empty here.
    virtual void ShowInfo(const std::string& /*Text*/) {}
    virtual void NoteLearned(int32_t /*Note*/) {}

    void Paint(ui::ICanvas& Canvas) override { FormPaint(Canvas); }

protected:
    // Derived windows run these of their base first, then their own steps.
    virtual void FormCreate();
    virtual void FormDestroy();
    virtual void FormPaint(ui::ICanvas& Canvas);
    virtual void FormShow();

    // Keeps panMain filling the client area with its margins.
    void Resize() override;

private:
    TVSTPluginBase& FModule;
    bool FCreated = false;
    bool FClosed = false;
};

// Constructs a T (a TfrmVSTEditorBase) with Args and runs its CreateForm.
template <class T, class... A>
std::unique_ptr<T> MakeEditorForm(A&&... Args) {
    auto form = std::make_unique<T>(std::forward<A>(Args)...);
    form->CreateForm();
    return form;
}

}  // namespace kandrel::editor
