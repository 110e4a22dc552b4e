// Lines that describe a plug-in's state as the commands print it: one per
// parameter (info, chunk set) and one per automation message (midi, chunk set).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "host/PluginHost.h"

namespace kandrel::host {

// Text in double quotes, as names and display texts are printed.
std::string Quoted(const std::string& Text);
// parameter 13: name "Band2 Velocity Scale", value 0.500000, display "0", label "%"
std::string ParameterLine(THostedPlugin& Plugin, int32_t Index);
// automate 13 0.750000
std::string AutomationLine(const TAutomation& Automation);
// One AutomationLine each, in the order given.
void PrintAutomation(std::ostream& Out, const std::vector<TAutomation>& Automation);

}  // namespace kandrel::host
