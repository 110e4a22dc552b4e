// kandrel-gallery OUTDIR: draws the editor's controls (panels, dials at
// several values, switches off and on, the menu button, a speed button) in
// each of the five skins with the Win32 backend, and writes one picture per
// skin: OUTDIR/controls-<skin>.png. Run under wine on Linux:
//
//     bash scripts/with-wine.sh wine build/windows/kandrel-gallery.exe docs
#include "ui/win32/Win32Api.h"  // first: keeps the system's RGB macro away from ui::RGB

#include <cctype>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "controls/JovGuiPanel.h"
#include "controls/JovGuiStitchedDial.h"
#include "controls/JovGuiStitchedSwitch.h"
#include "controls/JovMenuButton.h"
#include "controls/JovSpTBXSpeedButton.h"
#include "host/win32/WindowCapture.h"
#include "ui/Bitmap.h"
#include "ui/GuiStitchedPNGList.h"
#include "ui/Label.h"
#include "ui/PngImage.h"
#include "ui/StyleManager.h"
#include "ui/StyleSchemes.h"
#include "ui/Window.h"
#include "ui/win32/ModuleResources.h"
#include "ui/win32/OffscreenRender.h"

namespace {

using namespace kandrel;

// The editor's tiled background behind everything.
class TGalleryWindow final : public ui::TWindow {
public:
    TGalleryWindow() {
        SetResources(&ui::win32::PluginResources());
        Tile.LoadFromResource(Resources(), "EditorBackground");
    }
    void Paint(ui::ICanvas& Canvas) override { Canvas.FillPattern(Canvas.ClipRect(), Tile, {0, 0}); }

private:
    ui::TBitmap Tile;
};

ui::TLabel& AddLabel(ui::TControl& Parent, const std::string& Text, int32_t X, int32_t Y, int32_t W, bool Bold) {
    auto& label = Parent.AddChild<ui::TLabel>();
    label.SetParent(&Parent);
    label.SetBounds(X, Y, W, 16);
    label.SetCaption(Text);
    label.SetAlignment(ui::TAlignment::taCenter);
    label.SetFont({"Segoe UI", 12, Bold, ui::TStyleManager::GetStyleFontColor(ui::TStyleFont::sfPanelTextNormal)});
    return label;
}

std::string FileName(const std::string& Style) {
    std::string name = "controls-";
    for (char c : Style) name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name + ".png";
}

void DrawStyle(const std::string& Style, const std::string& Folder) {
    ui::TStyleManager::SetActiveStyle(Style);
    ui::IResourceProvider& resources = ui::win32::PluginResources();
    ui::TGuiStitchedPNGList strips;
    strips.Add("Dial100", ui::TPngImage::FromResource(resources, "Dial100"), 101);
    strips.Add("Dial100_Center", ui::TPngImage::FromResource(resources, "Dial100_Center"), 101);
    strips.Add("Switch", ui::TPngImage::FromResource(resources, "Switch"), 2);

    TGalleryWindow window;
    window.BeginLoading();
    window.SetClientSize({440, 236});

    // Panels as the editor layers them: the main panel, a band panel on it.
    auto& main = window.AddChild<controls::TJovGuiPanel>();
    main.SetParent(&window);
    main.SetBounds(3, 4, 434, 229);
    main.SetAlpha(225);
    main.SetBorderRadius(5.0f);
    auto& band = main.AddChild<controls::TJovGuiPanel>();
    band.SetParent(&main);
    band.SetBounds(8, 34, 418, 186);
    band.PanelGroupColor = true;
    band.SetAlpha(50);
    band.SetBorderRadius(3.0f);
    band.SetPanelColor(ui::RGB(192, 192, 192));

    auto& menu = main.AddChild<controls::TJovMenuButton>();
    menu.SetParent(&main);
    menu.SetBounds(6, 4, 26, 26);
    auto& button = main.AddChild<controls::TJovSpTBXSpeedButton>();
    button.SetParent(&main);
    button.SetBounds(40, 4, 205, 26);
    button.SetCaption("Speed button");
    button.SetFont({"Segoe UI", 13, true, 0});
    AddLabel(main, Style, 252, 9, 176, true);

    const float scales[] = {-100, -50, 0, 50, 100};
    for (int i = 0; i < 5; ++i) {
        auto& dial = band.AddChild<controls::TJovGuiStitchedDial>();
        dial.SetParent(&band);
        dial.SetBounds(10 + i * 60, 8, 48, 48);
        dial.SetImageList(&strips);
        dial.SetImageIndex(1);
        dial.SetTransparent(true);
        dial.SetMin(-100);
        dial.SetMax(100);
        dial.SetValue(scales[i]);
        AddLabel(band, std::to_string(static_cast<int>(scales[i])), dial.Left() - 6, 58, 60, false);
    }
    const float randoms[] = {0, 50, 100, 200};
    for (int i = 0; i < 4; ++i) {
        auto& dial = band.AddChild<controls::TJovGuiStitchedDial>();
        dial.SetParent(&band);
        dial.SetBounds(10 + i * 60, 84, 48, 48);
        dial.SetImageList(&strips);
        dial.SetImageIndex(0);
        dial.SetTransparent(true);
        dial.SetMax(200);
        dial.SetValue(randoms[i]);
        AddLabel(band, std::to_string(static_cast<int>(randoms[i])), dial.Left() - 6, 134, 60, false);
    }
    for (int i = 0; i < 2; ++i) {
        auto& toggle = band.AddChild<controls::TJovGuiStitchedSwitch>();
        toggle.SetParent(&band);
        toggle.SetBounds(262 + i * 60, 96, 24, 24);
        toggle.SetImageList(&strips);
        toggle.SetImageIndex(2);
        toggle.SetTransparent(true);
        toggle.SetValue(i == 1);
        AddLabel(band, i == 1 ? "on" : "off", toggle.Left() - 18, 134, 60, false);
    }
    window.EndLoading();

    const ui::win32::TPixels pixels = ui::win32::RenderOffscreen(window);
    host::TCapture picture;
    picture.Width = pixels.Width;
    picture.Height = pixels.Height;
    picture.Pixels = pixels.Data;
    const std::string path = Folder + "/" + FileName(Style);
    host::SavePng(picture, path);
    std::cout << path << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kandrel-gallery OUTDIR\n";
        return 2;
    }
    try {
        for (const ui::TStyleScheme& style : ui::BuiltInStyles()) DrawStyle(style.Name, argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "kandrel-gallery: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
