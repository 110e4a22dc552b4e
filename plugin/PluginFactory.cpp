// The module the entry point makes for every instance the host creates.
#include "plugin/Plugin.h"

std::unique_ptr<vst2::TVSTModule> vst2::CreatePluginModule() { return std::make_unique<kandrel::TVSTPlugin>(); }
