#include "ui/win32/GdiplusSession.h"

#include <mutex>
#include <stdexcept>

#include "ui/win32/BackendCounters.h"
#include "ui/win32/Win32Api.h"

namespace kandrel::ui::win32 {

namespace {

std::mutex gMutex;
int32_t gReferences = 0;  // guarded by gMutex
ULONG_PTR gToken = 0;     // guarded by gMutex

void Acquire() {
    const std::lock_guard lock(gMutex);
    if (gReferences == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&gToken, &input, nullptr) != Gdiplus::Ok)
            throw std::runtime_error("GDI+ could not be started");
    }
    CountGdiplusReferences(++gReferences);
}

void Release() noexcept {
    const std::lock_guard lock(gMutex);
    if (--gReferences == 0) {
        Gdiplus::GdiplusShutdown(gToken);
        gToken = 0;
    }
    CountGdiplusReferences(gReferences);
}

}  // namespace

TGdiplusSession::TGdiplusSession() { Acquire(); }
TGdiplusSession::TGdiplusSession(const TGdiplusSession&) { Acquire(); }
TGdiplusSession::~TGdiplusSession() { Release(); }

}  // namespace kandrel::ui::win32
