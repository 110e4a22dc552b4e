#include "host/PluginStateText.h"

#include <cstdio>

namespace kandrel::host {

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

namespace {

// Six decimals, locale-independent for the values 0 to 1 plug-ins report.
std::string Decimal6(float Value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(Value));
    return text;
}

}  // namespace

std::string ParameterLine(THostedPlugin& Plugin, int32_t Index) {
    return "parameter " + std::to_string(Index) + ": name " + Quoted(Plugin.ParameterName(Index)) + ", value " +
           Decimal6(Plugin.GetParameter(Index)) + ", display " + Quoted(Plugin.ParameterDisplay(Index)) +
           ", label " + Quoted(Plugin.ParameterLabel(Index));
}

std::string AutomationLine(const TAutomation& Automation) {
    return "automate " + std::to_string(Automation.Index) + " " + Decimal6(Automation.Value);
}

void PrintAutomation(std::ostream& Out, const std::vector<TAutomation>& Automation) {
    for (const TAutomation& a : Automation) Out << AutomationLine(a) << '\n';
}

}  // namespace kandrel::host
