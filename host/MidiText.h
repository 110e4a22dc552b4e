// MIDI events as text lines, the kandrel-host exchange format:
//   DELTA B1 B2 [B3]
// DELTA is the event's frame offset in its block (decimal), B1..B3 the message
// bytes in hex (one or two digits, either case). A blank line (or one of only
// whitespace) ends a block; runs of blank lines count as one. Lines whose first
// non-blank character is '#' are comments.
// Output: "DELTA XX XX XX", upper-case two-digit hex, two bytes for messages
// of one data byte (program change, channel pressure).
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/PluginHost.h"

namespace kandrel::host {

// "line N: what is wrong", N counting from 1.
class TMidiTextError : public std::runtime_error {
public:
    TMidiTextError(int32_t Line, const std::string& Problem);
    int32_t Line() const noexcept { return FLine; }

private:
    int32_t FLine;
};

using TMidiBlock = std::vector<TMidiMessage>;

enum class TMidiLineKind { Event, Blank, Comment };

// Reads one line. Answers Blank or Comment without touching Message; for a
// malformed event line throws TMidiTextError with LineNumber.
TMidiLineKind ParseMidiLine(std::string_view Line, int32_t LineNumber, TMidiMessage& Message);

// Every block of the text, empty blocks left out. Throws TMidiTextError.
std::vector<TMidiBlock> ReadMidiBlocks(std::istream& In);

std::string FormatMidiMessage(const TMidiMessage& Message);

}  // namespace kandrel::host
