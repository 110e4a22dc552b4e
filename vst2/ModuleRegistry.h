// Creating plug-in records for the entry point, and closing them again.
// Thread: whichever thread the host loads and closes plug-ins on.
#pragma once

#include "vst2/VSTModule.h"

namespace vst2 {

// Makes the plug-in's module, runs its create event and hands it the host
// callback; null when any of that fails (a host answering version 0 included).
AEffect* CreateEffect(HostCallback Callback) noexcept;

// Number of modules created and not yet closed in this process.
size_t LiveModuleCount() noexcept;

}  // namespace vst2
