#include "editor/VSTEditorBase.h"

#include "ui/StyleManager.h"

namespace kandrel::editor {

namespace {
constexpr ui::TColor kWhite = ui::RGB(255, 255, 255);
constexpr int32_t kMarginSide = 3;
constexpr int32_t kMarginTop = 4;
}  // namespace

TfrmVSTEditorBase::TfrmVSTEditorBase(TVSTPluginBase& AModule, ui::IResourceProvider& Resources)
    : FModule(AModule) {
    SetResources(&Resources);
    BeginLoading();
    Name = "frmVSTEditorBase";
    SetClientSize({kClientWidth, kClientHeight});

    panMain.Name = "panMain";
    panMain.SetParent(this);
    panMain.SetAlpha(220);
    panMain.SetPanelColor(kWhite);
    panMain.SetBorderColor(kWhite);
    panMain.SetBorderRadius(5.0f);
    panMain.SetBorderWidth(1.0f);
    panMain.SetBorderVisible(false);
    panMain.SetTransparent(true);
    panMain.SetColor(ui::TStyleManager::GetSystemColor(ui::TSystemColor::clBtnFace));  // the parent's colour
    Resize();
}

TfrmVSTEditorBase::~TfrmVSTEditorBase() {
    if (FCreated && !FClosed) TfrmVSTEditorBase::FormDestroy();
    // The members go before the window's own teardown, which still knows them.
    panMain.SetParent(nullptr);
}

void TfrmVSTEditorBase::CreateForm() {
    if (FCreated) return;
    FCreated = true;
    EndLoading();
    FormCreate();
}

void TfrmVSTEditorBase::CloseForm() {
    if (!FCreated || FClosed) return;
    FClosed = true;
    FormDestroy();
}

void TfrmVSTEditorBase::FormCreate() {
    Background = std::make_unique<ui::TBitmap>();
    Background->LoadFromResource(Resources(), "EditorBackground");
    Updating = false;
}

void TfrmVSTEditorBase::FormDestroy() { Background.reset(); }

// The tile's origin is the window's top-left corner, so the pattern lines up
// across partial repaints.
void TfrmVSTEditorBase::FormPaint(ui::ICanvas& Canvas) {
    if (Background) Canvas.FillPattern(Canvas.ClipRect(), *Background, {0, 0});
}

void TfrmVSTEditorBase::FormShow() { UpdateControls(); }

void TfrmVSTEditorBase::Resize() {
    panMain.SetBounds(kMarginSide, kMarginTop, Width() - 2 * kMarginSide, Height() - kMarginTop - kMarginSide);
    TWindow::Resize();
}

}  // namespace kandrel::editor
