// Test doubles for the widget layer: a scripted window backend, resources
// held in memory, and BMP bytes built from a bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/ResourceProvider.h"
#include "ui/Window.h"
#include "ui/WindowBackend.h"

namespace kandrel::testing {

class TFakeBackend final : public ui::IWindowBackend {
public:
    void InvalidateRect(const ui::TRect& Rect) override { Invalidated.push_back(Rect); }
    void SetCapture() override { Captured = true; }
    void ReleaseCapture() override { Captured = false; }
    void SetFocus() override { ++FocusRequests; }
    void SetCursor(ui::TCursor Cursor) override { LastCursor = Cursor; }
    void StartTimer(uint32_t Id, uint32_t IntervalMs) override { Timers[Id] = IntervalMs; }
    void StopTimer(uint32_t Id) override { Timers.erase(Id); }
    ui::TMenuItem* TrackPopupMenu(ui::TMenuItem& Root, ui::TPoint ScreenPoint) override {
        MenuPoints.push_back(ScreenPoint);
        return ChooseMenuItem ? ChooseMenuItem(Root) : nullptr;
    }
    ui::TPoint ClientToScreen(ui::TPoint P) const override { return {P.X + ScreenOrigin.X, P.Y + ScreenOrigin.Y}; }
    ui::TPoint ScreenToClient(ui::TPoint P) const override { return {P.X - ScreenOrigin.X, P.Y - ScreenOrigin.Y}; }
    void SetClientSize(ui::TSize Size) override { ClientSize = Size; }
    ui::TSize MeasureText(const std::string& Text, const ui::TFont& Font) override {
        return {static_cast<int32_t>(Text.size()) * Font.Height / 2, Font.Height};
    }

    ui::TPoint ScreenOrigin{1000, 500};
    std::vector<ui::TRect> Invalidated;
    bool Captured = false;
    int FocusRequests = 0;
    ui::TCursor LastCursor = ui::TCursor::crDefault;
    std::map<uint32_t, uint32_t> Timers;  // running: id -> interval
    std::vector<ui::TPoint> MenuPoints;
    ui::TSize ClientSize;
    // The user's choice in an open menu; unset: dismissed.
    std::function<ui::TMenuItem*(ui::TMenuItem& Root)> ChooseMenuItem;
};

class TMemoryResources final : public ui::IResourceProvider {
public:
    std::vector<uint8_t> BitmapBytes(const std::string& Name) override { return Find(Bitmaps, Name); }
    std::vector<uint8_t> PngBytes(const std::string& Name) override { return Find(Pngs, Name); }

    std::map<std::string, std::vector<uint8_t>> Bitmaps;
    std::map<std::string, std::vector<uint8_t>> Pngs;

private:
    static std::vector<uint8_t> Find(const std::map<std::string, std::vector<uint8_t>>& M, const std::string& Name) {
        const auto found = M.find(Name);
        return found != M.end() ? found->second : std::vector<uint8_t>{};
    }
};

// A window of Width x Height with the fake backend and memory resources attached.
struct TTestWindow {
    TTestWindow(int32_t Width = 400, int32_t Height = 300);
    ~TTestWindow();
    TFakeBackend Backend;
    TMemoryResources Resources;
    ui::TWindow Window;

    // Scripted input in window coordinates.
    void Press(ui::TPoint P, ui::TMouseButton Button = ui::TMouseButton::mbLeft, ui::TShiftState Shift = 0);
    void Move(ui::TPoint P, ui::TShiftState Shift = 0);
    void Release(ui::TPoint P, ui::TMouseButton Button = ui::TMouseButton::mbLeft, ui::TShiftState Shift = 0);
    void Wheel(ui::TPoint P, int32_t Delta, ui::TShiftState Shift = 0);
};

// The bytes of a 24-bit bottom-up BMP file holding Bitmap (with the file header when WithFileHeader).
std::vector<uint8_t> BmpBytes(const ui::TBitmap& Bitmap, bool WithFileHeader = true);
// The menu glyph as shipped: 16 x 16 magenta with three black bars (columns
// 2-13, rows 3-4, 7-8, 11-12).
ui::TBitmap Menu16Bitmap();
// The signature and header of a PNG of Width x Height (enough for the layer,
// which only reads the size).
std::vector<uint8_t> PngHeaderBytes(int32_t Width, int32_t Height);

}  // namespace kandrel::testing
