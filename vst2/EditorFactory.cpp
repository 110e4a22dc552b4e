#include "vst2/EditorFactory.h"

#include <atomic>

namespace vst2 {

namespace {
// Constant-initialised, so a registration from another unit's static
// initialisation always finds it ready.
std::atomic<TEditorFactory> gFactory{nullptr};
}  // namespace

TEditorFactory EditorFactory() noexcept { return gFactory.load(std::memory_order_acquire); }

void RegisterEditorFactory(TEditorFactory Factory) noexcept { gFactory.store(Factory, std::memory_order_release); }

}  // namespace vst2
