#include "host/MidiText.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace kandrel::host {

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f' || C == '\v'; }

std::vector<std::string_view> SplitFields(std::string_view Line) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < Line.size()) {
        while (i < Line.size() && IsBlank(Line[i])) ++i;
        const size_t start = i;
        while (i < Line.size() && !IsBlank(Line[i])) ++i;
        if (i > start) fields.push_back(Line.substr(start, i - start));
    }
    return fields;
}

int HexDigit(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

int32_t ParseDelta(std::string_view Field, int32_t LineNumber) {
    int64_t value = 0;
    for (char c : Field) {
        if (c < '0' || c > '9')
            throw TMidiTextError(LineNumber, "delta frames '" + std::string(Field) +
                                                 "' is not a decimal number of frames (0 or more)");
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max())
            throw TMidiTextError(LineNumber, "delta frames '" + std::string(Field) + "' is too large");
    }
    return static_cast<int32_t>(value);
}

uint8_t ParseHexByte(std::string_view Field, int32_t LineNumber) {
    int value = 0;
    for (char c : Field) value = value * 16 + HexDigit(c);
    bool valid = Field.size() <= 2;
    for (char c : Field) valid = valid && HexDigit(c) >= 0;
    if (!valid) throw TMidiTextError(LineNumber, "'" + std::string(Field) + "' is not a hex byte (one or two hex digits)");
    return static_cast<uint8_t>(value);
}

}  // namespace

TMidiTextError::TMidiTextError(int32_t Line, const std::string& Problem)
    : std::runtime_error("line " + std::to_string(Line) + ": " + Problem), FLine(Line) {}

TMidiLineKind ParseMidiLine(std::string_view Line, int32_t LineNumber, TMidiMessage& Message) {
    const std::vector<std::string_view> fields = SplitFields(Line);
    if (fields.empty()) return TMidiLineKind::Blank;
    if (fields[0].front() == '#') return TMidiLineKind::Comment;
    if (fields.size() < 3) throw TMidiTextError(LineNumber, "expected two or three hex bytes after the delta frames");
    if (fields.size() > 4)
        throw TMidiTextError(LineNumber, "too many fields: expected the delta frames and two or three hex bytes");
    TMidiMessage parsed;
    parsed.DeltaFrames = ParseDelta(fields[0], LineNumber);
    parsed.Size = static_cast<int32_t>(fields.size() - 1);
    for (int32_t b = 0; b < parsed.Size; ++b) parsed.Bytes[b] = ParseHexByte(fields[static_cast<size_t>(b) + 1], LineNumber);
    Message = parsed;
    return TMidiLineKind::Event;
}

std::vector<TMidiBlock> ReadMidiBlocks(std::istream& In) {
    std::vector<TMidiBlock> blocks;
    TMidiBlock current;
    std::string line;
    int32_t number = 0;
    while (std::getline(In, line)) {
        ++number;
        TMidiMessage message;
        switch (ParseMidiLine(line, number, message)) {
            case TMidiLineKind::Event:
                current.push_back(message);
                break;
            case TMidiLineKind::Blank:
                if (!current.empty()) blocks.push_back(std::move(current));
                current.clear();
                break;
            case TMidiLineKind::Comment:
                break;
        }
    }
    if (!current.empty()) blocks.push_back(std::move(current));
    return blocks;
}

std::string FormatMidiMessage(const TMidiMessage& Message) {
    std::string text = std::to_string(Message.DeltaFrames);
    for (int32_t b = 0; b < Message.Size && b < 3; ++b) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned>(Message.Bytes[b]));
        text += hex;
    }
    return text;
}

}  // namespace kandrel::host
