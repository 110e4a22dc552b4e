#include "plugin/JovRegistry.h"

#include <charconv>

#include "common/JovCommon.h"

namespace kandrel {

namespace {

// The decimal integer in Text, surrounded by blanks at most; nothing for
// anything else (empty, other characters, beyond 32 bits).
std::optional<int32_t> ParseStoredInteger(std::string_view Text) {
    Text = TrimBlanks(Text);
    // from_chars takes a minus sign but no plus sign.
    if (Text.size() > 1 && Text.front() == '+' && Text[1] != '-') Text.remove_prefix(1);
    int32_t value = 0;
    const char* end = Text.data() + Text.size();
    const auto [next, error] = std::from_chars(Text.data(), end, value, 10);
    if (Text.empty() || error != std::errc() || next != end) return std::nullopt;
    return value;
}

}  // namespace

std::string TJovRegIniFile::ReadString(std::string_view Section, std::string_view Name, const std::string& Default) {
    std::optional<std::string> text = ReadText(Section, Name);
    return text ? *std::move(text) : Default;
}

int32_t TJovRegIniFile::ReadInteger(std::string_view Section, std::string_view Name, int32_t Default) {
    const std::optional<std::string> text = ReadText(Section, Name);
    if (!text) return Default;
    return ParseStoredInteger(*text).value_or(Default);
}

void TJovRegIniFile::WriteInteger(std::string_view Section, std::string_view Name, int32_t Value) {
    WriteString(Section, Name, std::to_string(Value));
}

}  // namespace kandrel
