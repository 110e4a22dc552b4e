#include "host/CommandSupport.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kandrel::host {

std::optional<std::string> TArgReader::Option(std::string_view Name) {
    if (AtEnd()) return std::nullopt;
    const std::string& arg = FArgs[FNext];
    if (arg == Name) {
        if (FNext + 1 >= FArgs.size()) throw TCliError(kExitUsage, std::string(Name) + " needs a value");
        FNext += 2;
        return FArgs[FNext - 1];
    }
    if (arg.size() > Name.size() && arg.compare(0, Name.size(), Name) == 0 && arg[Name.size()] == '=') {
        ++FNext;
        return arg.substr(Name.size() + 1);
    }
    return std::nullopt;
}

bool TArgReader::Flag(std::string_view Name) {
    if (AtEnd() || FArgs[FNext] != Name) return false;
    ++FNext;
    return true;
}

bool TArgReader::AtOption() const {
    if (AtEnd()) return false;
    const std::string& arg = FArgs[FNext];
    return arg.size() > 1 && arg[0] == '-';
}

std::optional<int64_t> ParseInteger(std::string_view Text, int64_t Min, int64_t Max) {
    if (Text.empty() || Text.size() > 18) return std::nullopt;
    int64_t value = 0;
    for (char c : Text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < Min || value > Max) return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(std::string_view Text) {
    double value = 0.0;
    const char* end = Text.data() + Text.size();
    const auto [stop, error] = std::from_chars(Text.data(), end, value, std::chars_format::general);
    if (Text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

TLoadedPlugin::TLoadedPlugin(const std::string& Path) {
    try {
        Library = std::make_unique<TPluginLibrary>(Path);
        Plugin = std::make_unique<THostedPlugin>(*Library);
    } catch (const THostError& error) {
        throw TCliError(kExitLoad, error.what());
    }
}

TLoadedPlugin::~TLoadedPlugin() {
    Plugin.reset();
    Library.reset();
}

}  // namespace kandrel::host
