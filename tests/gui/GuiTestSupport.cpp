#include "tests/gui/GuiTestSupport.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>
#include <winternl.h>

#include "host/win32/HostFrame.h"
#include "tests/support/EditorTileLevels.h"
#include "ui/StyleSchemes.h"

namespace kandrel::test {

ui::TColor TileColor(int32_t X, int32_t Y) {
    const uint8_t level = kEditorTileLevels[static_cast<size_t>(Y % 16)][static_cast<size_t>(X % 16)];
    return ui::RGB(level, level, level);
}

ui::TColor CarbonPanelColor() {
    for (const ui::TStyleScheme& style : ui::BuiltInStyles())
        if (style.Name == "Carbon") return style.Colors[static_cast<size_t>(ui::TStyleColor::scPanel)];
    ADD_FAILURE() << "no Carbon style";
    return 0;
}

ui::TColor Blend(ui::TColor Under, ui::TColor Over, uint8_t Alpha) {
    const auto mix = [Alpha](uint8_t U, uint8_t O) {
        return static_cast<uint8_t>((O * Alpha + U * (255 - Alpha) + 127) / 255);
    };
    return ui::RGB(mix(ui::RedOf(Under), ui::RedOf(Over)), mix(ui::GreenOf(Under), ui::GreenOf(Over)),
                   mix(ui::BlueOf(Under), ui::BlueOf(Over)));
}

int32_t ColorDistance(ui::TColor A, ui::TColor B) {
    return std::max({std::abs(ui::RedOf(A) - ui::RedOf(B)), std::abs(ui::GreenOf(A) - ui::GreenOf(B)),
                     std::abs(ui::BlueOf(A) - ui::BlueOf(B))});
}

namespace {

// One entry of the GDI handle table the process environment block points to
// (its field at 0xF8 on x64); wine keeps it for its own GDI, with the same layout.
struct TGdiHandleEntry {
    uint64_t Object;
    uint32_t Owner;
    uint16_t Unique;  // bits 0-6 the type, bit 7 set for stock objects, then the generation
    uint8_t Type;     // 0: free
    uint8_t Flags;
    uint64_t UserPointer;
};
static_assert(sizeof(TGdiHandleEntry) == 24);
constexpr size_t kGdiHandleCount = 0x10000;
constexpr size_t kPebGdiHandleTable = 0xF8;

int32_t CountGdiHandleTable() {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    const auto* peb = reinterpret_cast<const uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const TGdiHandleEntry* const*>(peb + kPebGdiHandleTable);
    if (table == nullptr) return -1;
    int32_t count = 0;
    for (size_t i = 0; i < kGdiHandleCount; ++i)
        if (table[i].Type != 0 && (table[i].Unique & 0x80) == 0) ++count;
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM Count) {
    ++*reinterpret_cast<int32_t*>(Count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND Window, LPARAM Count) {
    ++*reinterpret_cast<int32_t*>(Count);
    EnumChildWindows(Window, CountChild, Count);
    return TRUE;
}

}  // namespace

int32_t ProcessGdiObjects() {
    SetLastError(0);
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<int32_t>(count);
    return CountGdiHandleTable();
}

int32_t ThreadWindows() {
    int32_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Pump(std::chrono::milliseconds Duration, const std::function<bool()>& Done) {
    host::PumpMessages(Duration, Done);
}

}  // namespace kandrel::test
