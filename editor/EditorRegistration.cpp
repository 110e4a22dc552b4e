// Linked into the plug-in file that has an editor (the Windows library): while
// the file is loaded, before the host can create a module, the editor factory
// and the widget layer's style manager are handed to the engine. Only pointers
// are stored here; nothing of GDI+ or of any window starts while loading.
#include <memory>

#include "editor/ModuleEditorLink.h"
#include "editor/UiStyleManager.h"
#include "editor/VSTEditorBase.h"
#include "plugin/StyleManager.h"
#include "plugin/VSTPluginBaseDM.h"
#include "ui/win32/ModuleResources.h"
#include "vst2/EditorFactory.h"

namespace kandrel::editor {

namespace {

std::unique_ptr<vst2::IModuleEditor> CreateModuleEditor(vst2::TVSTModule& Module, void* ParentWindow) {
    auto* plugin = dynamic_cast<TVSTPluginBase*>(&Module);
    if (plugin == nullptr) return nullptr;
    auto form = MakeEditorForm<TfrmVSTEditorBase>(*plugin, ui::win32::PluginResources());
    return std::make_unique<TModuleEditorLink>(std::move(form), ParentWindow);
}

TUiStyleManager gStyles;

struct TRegistration {
    TRegistration() {
        vst2::RegisterEditorFactory(&CreateModuleEditor);
        SetStyleManager(&gStyles);
    }
} gRegistration;

}  // namespace

}  // namespace kandrel::editor
