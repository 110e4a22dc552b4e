#include "host/EditorCommand.h"

#include <cstdio>
#include <limits>

#include "host/CommandSupport.h"
#include "host/EditorSession.h"

namespace kandrel::host {

namespace {

struct TEditorOptions {
    std::string PluginPath;
    std::vector<std::pair<int32_t, float>> Settings;  // index, normalised value
    TEditorSessionOptions Session;
};

std::pair<int32_t, float> ParseSetting(const std::string& Text) {
    const size_t equals = Text.find('=');
    const auto index = equals == std::string::npos
                           ? std::nullopt
                           : ParseInteger(std::string_view(Text).substr(0, equals), 0,
                                          std::numeric_limits<int32_t>::max());
    const auto value = equals == std::string::npos ? std::nullopt : ParseNumber(std::string_view(Text).substr(equals + 1));
    if (!index || !value || *value < 0.0 || *value > 1.0)
        throw TCliError(kExitUsage, "--set '" + Text + "': expected INDEX=VALUE with a VALUE from 0 to 1");
    return {static_cast<int32_t>(*index), static_cast<float>(*value)};
}

TEditorOptions ParseOptions(const std::vector<std::string>& Args) {
    TEditorOptions options;
    std::vector<std::string> positional;
    TArgReader args(Args);
    while (!args.AtEnd()) {
        if (auto set = args.Option("--set")) {
            options.Settings.push_back(ParseSetting(*set));
        } else if (auto shot = args.Option("--screenshot")) {
            if (shot->empty()) throw TCliError(kExitUsage, "--screenshot needs a file name");
            options.Session.ScreenshotPath = *shot;
        } else if (auto seconds = args.Option("--seconds")) {
            const auto value = ParseNumber(*seconds);
            if (!value || *value <= 0.0 || *value > 86400.0)
                throw TCliError(kExitUsage, "--seconds '" + *seconds + "': expected a number of seconds above 0");
            options.Session.Seconds = *value;
        } else if (args.AtOption()) {
            throw TCliError(kExitUsage, "editor: unknown option '" + args.Take() + "'");
        } else {
            positional.push_back(args.Take());
        }
    }
    if (positional.empty()) throw TCliError(kExitUsage, "editor: missing PLUGIN (see kandrel-host --help)");
    if (positional.size() > 1) throw TCliError(kExitUsage, "editor: unexpected argument '" + positional[1] + "'");
    options.PluginPath = positional[0];
    return options;
}

std::string HexFlags(int32_t Flags) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(Flags));
    return text;
}

}  // namespace

int RunEditorCommand(const std::vector<std::string>& Args, std::istream&, std::ostream& Out) {
    const TEditorOptions options = ParseOptions(Args);
    TLoadedPlugin loaded(options.PluginPath);
    THostedPlugin& plugin = *loaded.Plugin;
    const int32_t flags = plugin.Effect()->flags;
    if ((flags & vst2::effFlagsHasEditor) == 0)
        throw TCliError(kExitLoad, options.PluginPath + ": the plug-in has no editor (flags " + HexFlags(flags) +
                                       " lack HasEditor, 0x1)");
    for (const auto& [index, value] : options.Settings) {
        if (index >= plugin.Effect()->numParams)
            throw TCliError(kExitUsage, "--set: no parameter " + std::to_string(index) + " (the plug-in has " +
                                            std::to_string(plugin.Effect()->numParams) + " parameters)");
        plugin.SetParameter(index, value);
    }
    RunEditorSession(plugin, options.Session, Out);
    return kExitOk;
}

}  // namespace kandrel::host
