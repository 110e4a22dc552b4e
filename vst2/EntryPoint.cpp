// The library's one exported function, under the two names hosts look for.
#include "vst2/ModuleRegistry.h"

#if defined(_WIN32)
#define KANDREL_EXPORT __declspec(dllexport)
#else
#define KANDREL_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KANDREL_EXPORT vst2::AEffect* VSTPluginMain(vst2::HostCallback Callback) {
    return vst2::CreateEffect(Callback);
}

// Older hosts look for the same entry under the name "main".
extern "C" KANDREL_EXPORT vst2::AEffect* VSTPluginMainAlias(vst2::HostCallback Callback) __asm__("main");
extern "C" vst2::AEffect* VSTPluginMainAlias(vst2::HostCallback Callback) {
    return vst2::CreateEffect(Callback);
}
