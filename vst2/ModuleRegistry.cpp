// The process-wide list of modules the entry point made, and their closing.
#include "vst2/ModuleRegistry.h"

#include <mutex>
#include <vector>

namespace vst2 {

namespace {

std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}
// Every module the entry point created and the host has not closed yet.
std::vector<TVSTModule*>& LiveModules() {
    static std::vector<TVSTModule*> modules;
    return modules;
}
// Records of closed modules: inert, kept until the library unloads so that a
// host touching a closed record finds no freed memory.
std::vector<std::unique_ptr<AEffect>>& RetiredRecords() {
    static std::vector<std::unique_ptr<AEffect>> records;
    return records;
}

}  // namespace

AEffect* CreateEffect(HostCallback Callback) noexcept {
    std::unique_ptr<TVSTModule> module;
    try {
        module = CreatePluginModule();
        module->Create();
        module->SetAudioMaster(Callback);
        std::lock_guard lock(RegistryMutex());
        LiveModules().push_back(module.get());
        return module.release()->Effect();
    } catch (...) {
        if (module) module->Destroy();  // created but refused: undo the create event too
        return nullptr;
    }
}

void CloseModule(TVSTModule* Module) noexcept {
    std::unique_ptr<TVSTModule> owned(Module);
    std::unique_ptr<AEffect> record = Module->RetireRecord();
    Module->Destroy();
    owned.reset();
    std::lock_guard lock(RegistryMutex());
    std::erase(LiveModules(), Module);
    try {
        RetiredRecords().push_back(std::move(record));
    } catch (...) {
        (void)record.release();  // out of memory: the inert record stays valid, unowned
    }
}

size_t LiveModuleCount() noexcept {
    std::lock_guard lock(RegistryMutex());
    return LiveModules().size();
}

}  // namespace vst2
