#include "ui/win32/ModuleResources.h"

#include "common/win32/CodeModule.h"
#include "common/win32/WideText.h"
#include "ui/win32/Win32Api.h"

namespace kandrel::ui::win32 {

namespace {

std::vector<uint8_t> ResourceBytes(const std::string& Name, LPCWSTR Type) {
    HMODULE module = static_cast<HMODULE>(CodeModuleHandle());
    const std::wstring name = kandrel::win32::Widen(Name);
    HRSRC found = FindResourceW(module, name.c_str(), Type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || size == 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

class TModuleResources final : public IResourceProvider {
public:
    std::vector<uint8_t> BitmapBytes(const std::string& Name) override { return ResourceBytes(Name, RT_BITMAP); }
    std::vector<uint8_t> PngBytes(const std::string& Name) override { return ResourceBytes(Name, RT_RCDATA); }
};

}  // namespace

void* CodeModuleHandle() noexcept { return kandrel::win32::CodeModule(); }

IResourceProvider& PluginResources() {
    static TModuleResources resources;
    return resources;
}

}  // namespace kandrel::ui::win32
