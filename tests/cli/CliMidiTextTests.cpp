// The MIDI event text format: single lines, blocks, and formatting.
#include <sstream>

#include <gtest/gtest.h>

#include "host/MidiText.h"

namespace {

using kandrel::host::FormatMidiMessage;
using kandrel::host::ParseMidiLine;
using kandrel::host::ReadMidiBlocks;
using kandrel::host::TMidiBlock;
using kandrel::host::TMidiLineKind;
using kandrel::host::MidiMessage;
using kandrel::host::TMidiMessage;
using kandrel::host::TMidiTextError;

TEST(CliMidiText, ParsesGoodLines) {
    struct TCase {
        const char* Line;
        TMidiMessage Expected;
    };
    const TCase cases[] = {
        {"0 90 3C 64", MidiMessage(0, 0x90, 0x3C, 0x64)},
        {"  12\t90 3c 7f  ", MidiMessage(12, 0x90, 0x3C, 0x7F)},
        {"511 b0 7 0", MidiMessage(511, 0xB0, 0x07, 0x00)},
        {"5 C0 5", MidiMessage(5, 0xC0, 0x05, 0, 2)},
        {"0 e0 00 40\r", MidiMessage(0, 0xE0, 0x00, 0x40)},
        {"007 FF ff", MidiMessage(7, 0xFF, 0xFF, 0, 2)},
        {"2147483647 80 3C 00", MidiMessage(2147483647, 0x80, 0x3C, 0x00)},
    };
    for (const TCase& c : cases) {
        TMidiMessage parsed;
        EXPECT_EQ(ParseMidiLine(c.Line, 1, parsed), TMidiLineKind::Event) << c.Line;
        EXPECT_EQ(parsed, c.Expected) << c.Line;
    }
}

TEST(CliMidiText, TellsBlankAndCommentLines) {
    TMidiMessage untouched = MidiMessage(9, 1, 2, 3);
    for (const char* line : {"", "   ", "\t\r"}) EXPECT_EQ(ParseMidiLine(line, 1, untouched), TMidiLineKind::Blank);
    for (const char* line : {"# note on", "#", "  # 0 90 3C 64"})
        EXPECT_EQ(ParseMidiLine(line, 1, untouched), TMidiLineKind::Comment);
    EXPECT_EQ(untouched, MidiMessage(9, 1, 2, 3));
}

TEST(CliMidiText, RejectsBadLinesNamingLineAndProblem) {
    struct TCase {
        const char* Line;
        const char* Message;
    };
    const TCase cases[] = {
        {"0", "line 7: expected two or three hex bytes after the delta frames"},
        {"0 90", "line 7: expected two or three hex bytes after the delta frames"},
        {"0 90 3C 64 00", "line 7: too many fields: expected the delta frames and two or three hex bytes"},
        {"0 90 3C 64 # note", "line 7: too many fields: expected the delta frames and two or three hex bytes"},
        {"-1 90 3C 64", "line 7: delta frames '-1' is not a decimal number of frames (0 or more)"},
        {"0x10 90 3C", "line 7: delta frames '0x10' is not a decimal number of frames (0 or more)"},
        {"2147483648 90 3C 64", "line 7: delta frames '2147483648' is too large"},
        {"0 9G 3C 64", "line 7: '9G' is not a hex byte (one or two hex digits)"},
        {"0 90 13C 64", "line 7: '13C' is not a hex byte (one or two hex digits)"},
        {"0 90 3C 0x", "line 7: '0x' is not a hex byte (one or two hex digits)"},
    };
    for (const TCase& c : cases) {
        TMidiMessage parsed;
        try {
            ParseMidiLine(c.Line, 7, parsed);
            ADD_FAILURE() << "accepted: " << c.Line;
        } catch (const TMidiTextError& error) {
            EXPECT_STREQ(error.what(), c.Message) << c.Line;
            EXPECT_EQ(error.Line(), 7);
        }
    }
}

TEST(CliMidiText, SplitsBlocksAtBlankLines) {
    std::istringstream text(
        "\n"
        "# first block\n"
        "0 90 3C 64\n"
        "# a comment does not end a block\n"
        "3 80 3C 00\n"
        "   \n"
        "\n"
        "1 B0 07 7F\r\n"
        "\r\n"
        "# only a comment here\n"
        "\n"
        "2 C0 05");
    const std::vector<TMidiBlock> expected = {
        {MidiMessage(0, 0x90, 0x3C, 0x64), MidiMessage(3, 0x80, 0x3C, 0x00)},
        {MidiMessage(1, 0xB0, 0x07, 0x7F)},
        {MidiMessage(2, 0xC0, 0x05, 0, 2)},
    };
    EXPECT_EQ(ReadMidiBlocks(text), expected);
}

TEST(CliMidiText, ReportsTheLineNumberOfTheFirstBadLine) {
    std::istringstream text("0 90 3C 64\n\n# comment\n\n1 90 3C\n2 90 ZZ 1\n3 90\n");
    try {
        ReadMidiBlocks(text);
        ADD_FAILURE() << "bad text accepted";
    } catch (const TMidiTextError& error) {
        EXPECT_EQ(error.Line(), 6);
        EXPECT_STREQ(error.what(), "line 6: 'ZZ' is not a hex byte (one or two hex digits)");
    }
}

TEST(CliMidiText, FormatsUpperCaseTwoDigitHex) {
    EXPECT_EQ(FormatMidiMessage(MidiMessage(0, 0x90, 0x3C, 0x64)), "0 90 3C 64");
    EXPECT_EQ(FormatMidiMessage(MidiMessage(12, 0x80, 0x0A, 0x00)), "12 80 0A 00");
    EXPECT_EQ(FormatMidiMessage(MidiMessage(511, 0xD0, 0x05, 0, 2)), "511 D0 05");
    // What the format writes, it reads back.
    TMidiMessage again;
    ParseMidiLine(FormatMidiMessage(MidiMessage(99, 0xE1, 0x7F, 0x01)), 1, again);
    EXPECT_EQ(again, MidiMessage(99, 0xE1, 0x7F, 0x01));
}

}  // namespace
