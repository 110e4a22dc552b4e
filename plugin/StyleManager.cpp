#include "plugin/StyleManager.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>
#include <stdexcept>

namespace kandrel {

namespace {

constexpr std::array<std::string_view, 5> kStyleNames = {"Carbon", "Amakrits", "Light", "Luna",
                                                         "Smokey Quartz Kamri"};

// Several plug-in instances, possibly driven from different threads of one
// host, share it.
class TBuiltInStyleManager final : public IStyleManager {
public:
    void SetActiveStyle(std::string_view Name) override {
        if (std::find(kStyleNames.begin(), kStyleNames.end(), Name) == kStyleNames.end())
            throw std::runtime_error("Style '" + std::string(Name) + "' not found");
        const std::lock_guard lock(FMutex);
        FActive = Name;
    }
    std::string ActiveStyle() const override {
        const std::lock_guard lock(FMutex);
        return FActive;
    }

private:
    mutable std::mutex FMutex;
    std::string FActive;
};

TBuiltInStyleManager gBuiltIn;
std::atomic<IStyleManager*> gInstalled{nullptr};

}  // namespace

std::string_view SkinStyleName(int32_t Skin) noexcept {
    return Skin >= 0 && Skin < static_cast<int32_t>(kStyleNames.size()) ? kStyleNames[static_cast<size_t>(Skin)]
                                                                         : kStyleNames[0];
}

IStyleManager& StyleManager() {
    IStyleManager* installed = gInstalled.load(std::memory_order_acquire);
    return installed != nullptr ? *installed : gBuiltIn;
}

IStyleManager* SetStyleManager(IStyleManager* Manager) noexcept {
    return gInstalled.exchange(Manager, std::memory_order_acq_rel);
}

}  // namespace kandrel
