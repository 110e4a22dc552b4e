#include "ui/win32/BackendCounters.h"

#include <atomic>

namespace kandrel::ui::win32 {

namespace {
std::atomic<int64_t> gGdiplusObjects{0};
std::atomic<int32_t> gGdiplusReferences{0};
std::atomic<int32_t> gWindows{0};
}  // namespace

TBackendCounters BackendCounters() noexcept {
    TBackendCounters c;
    c.GdiplusObjects = gGdiplusObjects.load(std::memory_order_relaxed);
    c.GdiplusReferences = gGdiplusReferences.load(std::memory_order_relaxed);
    c.Windows = gWindows.load(std::memory_order_relaxed);
    return c;
}

void CountGdiplusObjects(int64_t Delta) noexcept { gGdiplusObjects.fetch_add(Delta, std::memory_order_relaxed); }
void CountGdiplusReferences(int32_t Value) noexcept { gGdiplusReferences.store(Value, std::memory_order_relaxed); }
void CountWindows(int32_t Delta) noexcept { gWindows.fetch_add(Delta, std::memory_order_relaxed); }

}  // namespace kandrel::ui::win32
