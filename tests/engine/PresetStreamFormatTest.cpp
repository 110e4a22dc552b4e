// The tagged values of the preset stream: exact bytes written, every form
// read, and the reader's errors on damaged data.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "plugin/PresetStreamFormat.h"
#include "plugin/PresetStreamReader.h"
#include "plugin/PresetStreamWriter.h"
#include "tests/support/PresetBytes.h"

namespace kandrel::test {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(ExtendedFloat, KnownValuesHaveTheX87Bytes) {
    struct Case {
        double Value;
        Bytes Expected;
    };
    const Case cases[] = {
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-100.0, {0, 0, 0, 0, 0, 0, 0, 0xC8, 0x05, 0xC0}},
        {127.0, {0, 0, 0, 0, 0, 0, 0, 0xFE, 0x05, 0x40}},
        {37.5, {0, 0, 0, 0, 0, 0, 0, 0x96, 0x04, 0x40}},
        {0.1f, {0, 0, 0, 0, 0, 0xCD, 0xCC, 0xCC, 0xFB, 0x3F}},  // the float's exact value, not 0.1
        {std::numeric_limits<double>::denorm_min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},
        {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        {std::numeric_limits<double>::quiet_NaN(), {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        const auto bytes = DoubleToExtended(c.Value);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), c.Expected) << c.Value;
        const double back = ExtendedToDouble(bytes.data());
        if (std::isnan(c.Value))
            EXPECT_TRUE(std::isnan(back));
        else
            EXPECT_EQ(std::bit_cast<uint64_t>(back), std::bit_cast<uint64_t>(c.Value)) << c.Value;
    }
}

// Where the compiler's long double is the x87 format, it is an independent
// oracle for any double, subnormals included.
TEST(ExtendedFloat, MatchesTheX87FormatForRandomDoubles) {
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double is not the x87 format here";
    } else {
        std::mt19937_64 random(7);
        for (int i = 0; i < 20000; ++i) {
            double value = std::bit_cast<double>(random());
            if (std::isnan(value)) continue;
            if (i % 4 == 0) value = std::ldexp(value, -1040);  // many subnormals and tiny values
            const long double wide = value;
            uint8_t expected[10];
            std::memcpy(expected, &wide, 10);
            const auto bytes = DoubleToExtended(value);
            ASSERT_EQ(Bytes(bytes.begin(), bytes.end()), Bytes(expected, expected + 10)) << value;
            ASSERT_EQ(ExtendedToDouble(bytes.data()), value);
        }
    }
}

TEST(ExtendedFloat, ValuesBeyondTheDoubleAndFloatRangesSaturate) {
    const uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7E};  // 2^16128
    const uint8_t tiny[10] = {1, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80};        // smallest negative denormal
    const uint8_t unnormal[10] = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};  // explicit bit clear: 0.5
    EXPECT_EQ(ExtendedToDouble(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(std::bit_cast<uint64_t>(ExtendedToDouble(tiny)), std::bit_cast<uint64_t>(-0.0));
    EXPECT_EQ(ExtendedToDouble(unnormal), 0.5);
    EXPECT_EQ(DoubleToSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(DoubleToSingle(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(DoubleToSingle(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_EQ(DoubleToSingle(37.5), 37.5f);
}

TEST(PresetStreamWriter, IntegersTakeTheSmallestForm) {
    struct Case {
        int32_t Value;
        Bytes Expected;
    };
    const Case cases[] = {
        {0, {0x02, 0x00}},
        {-128, {0x02, 0x80}},
        {127, {0x02, 0x7F}},
        {128, {0x03, 0x80, 0x00}},
        {-129, {0x03, 0x7F, 0xFF}},
        {32767, {0x03, 0xFF, 0x7F}},
        {32768, {0x04, 0x00, 0x80, 0x00, 0x00}},
        {-32769, {0x04, 0xFF, 0x7F, 0xFF, 0xFF}},
        {std::numeric_limits<int32_t>::min(), {0x04, 0x00, 0x00, 0x00, 0x80}},
    };
    for (const Case& c : cases) {
        Bytes bytes;
        TPresetStreamWriter(bytes).WriteInteger(c.Value);
        EXPECT_EQ(bytes, c.Expected) << c.Value;
    }
}

TEST(PresetStreamWriter, TextsTakeTheFormTheirEncodingFavours) {
    const std::string ascii255(255, 'a');
    const std::string ascii256(256, 'a');
    struct Case {
        std::string Text;
        Bytes Expected;
    };
    const Case cases[] = {
        {"1.00", {0x06, 0x04, '1', '.', '0', '0'}},
        {"", {0x12, 0x00, 0x00, 0x00, 0x00}},
        {"B\xC3\xA4nd", {0x14, 0x05, 0x00, 0x00, 0x00, 0x42, 0xC3, 0xA4, 0x6E, 0x64}},
        {"\xE6\x97\xA5\xE6\x9C\xAC", {0x12, 0x02, 0x00, 0x00, 0x00, 0xE5, 0x65, 0x2C, 0x67}},  // 3 bytes per unit
        {"\xF0\x9F\x8E\xB9", {0x12, 0x02, 0x00, 0x00, 0x00, 0x3C, 0xD8, 0xB9, 0xDF}},          // a surrogate pair
        {"\xFF", {0x12, 0x01, 0x00, 0x00, 0x00, 0xFD, 0xFF}},  // not UTF-8: written as U+FFFD
    };
    for (const Case& c : cases) {
        Bytes bytes;
        TPresetStreamWriter(bytes).WriteText(c.Text);
        EXPECT_EQ(bytes, c.Expected) << c.Text;
    }
    Bytes bytes;
    TPresetStreamWriter(bytes).WriteText(ascii255);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 2), (Bytes{0x06, 0xFF}));
    EXPECT_EQ(bytes.size(), 257u);
    bytes.clear();
    TPresetStreamWriter(bytes).WriteText(ascii256);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 5), (Bytes{0x0C, 0x00, 0x01, 0x00, 0x00}));
    EXPECT_EQ(bytes.size(), 261u);
}

TEST(PresetStreamReader, FloatsInEveryNumericForm) {
    struct Case {
        const char* Form;
        TPresetBytes Input;
        float Expected;
    };
    const Case cases[] = {
        {"extended", TPresetBytes().Extended(-37.25), -37.25f},
        {"double", TPresetBytes().Double(0.5), 0.5f},
        {"int64", TPresetBytes().Int64(-5000000000), -5e9f},
        {"int8", TPresetBytes().Int(-3), -3.0f},
        {"int16", TPresetBytes().Int(1000), 1000.0f},
        {"int32", TPresetBytes().Int(100000), 100000.0f},
        {"double beyond float", TPresetBytes().Double(1e300), std::numeric_limits<float>::infinity()},
    };
    for (const Case& c : cases) {
        const Bytes& bytes = c.Input.Bytes();
        TPresetStreamReader reader(bytes.data(), bytes.size());
        EXPECT_EQ(reader.ReadFloat(), c.Expected) << c.Form;
        EXPECT_EQ(reader.Position(), bytes.size()) << c.Form;
    }
}

TEST(PresetStreamReader, TextsInEveryForm) {
    struct Case {
        const char* Form;
        TPresetBytes Input;
        std::string Expected;
    };
    const Case cases[] = {
        {"short ANSI", TPresetBytes().Ansi("Soft \xE4"), "Soft \xC3\xA4"},  // Latin-1 / code page 1252
        {"long ANSI", TPresetBytes().LongAnsi("Hard"), "Hard"},
        // Code page 1252's own range: euro sign, left double quote, trade mark.
        {"ANSI beyond Latin-1", TPresetBytes().Ansi("\x80 \x93\x99"), "\xE2\x82\xAC \xE2\x80\x9C\xE2\x84\xA2"},
        {"UTF-16", TPresetBytes().Wide(u"B\u00e4nd \U0001F3B9"), "B\xC3\xA4nd \xF0\x9F\x8E\xB9"},
        {"UTF-16, lone surrogates", TPresetBytes().Wide(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)}),
         "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
        {"UTF-16, high surrogate last", TPresetBytes().Wide(std::u16string{char16_t(0xDBFF)}), "\xEF\xBF\xBD"},
        {"UTF-8", TPresetBytes().Utf8("B\xC3\xA4nd"), "B\xC3\xA4nd"},
        {"UTF-8, invalid", TPresetBytes().Utf8("a\xC3" "b\xFF"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
        {"empty UTF-16", TPresetBytes().Wide(u""), ""},
    };
    for (const Case& c : cases) {
        const Bytes& bytes = c.Input.Bytes();
        TPresetStreamReader reader(bytes.data(), bytes.size());
        EXPECT_EQ(reader.ReadText(), c.Expected) << c.Form;
        EXPECT_EQ(reader.Position(), bytes.size()) << c.Form;
    }
}

TEST(PresetStreamReader, DamagedDataFailsWithTheMessageOfItsKind) {
    enum class Read { Signature, Integer, Float, Text, ListBegin, ListEnd, EndOfList };
    struct Case {
        const char* What;
        Bytes Input;
        Read Operation;
        const char* Message;
    };
    const Case cases[] = {
        {"wrong signature", {'T', 'P', 'F', '1'}, Read::Signature, kInvalidStreamFormat},
        {"short signature", {'T', 'P'}, Read::Signature, kStreamReadError},
        {"float where a text is expected", {0x05}, Read::Text, kInvalidPropertyValue},
        {"double where an integer is expected", {0x15, 0, 0, 0, 0, 0, 0, 0, 0}, Read::Integer, kInvalidPropertyValue},
        {"text where a float is expected", {0x06, 0x00}, Read::Float, kInvalidPropertyValue},
        {"unknown tag", {0x07}, Read::Float, kInvalidPropertyValue},
        {"list end where a list begins", {0x00}, Read::ListBegin, kInvalidPropertyValue},
        {"value where a list ends", {0x02}, Read::ListEnd, kInvalidPropertyValue},
        {"nothing left to peek", {}, Read::EndOfList, kStreamReadError},
        {"nothing left for a tag", {}, Read::Integer, kStreamReadError},
        {"extended cut short", {0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF}, Read::Float, kStreamReadError},
        {"int32 cut short", {0x04, 1, 2}, Read::Integer, kStreamReadError},
        {"short text longer than the data", {0x06, 0x05, 'a', 'b'}, Read::Text, kStreamReadError},
        // Lengths that would ask for gigabytes are refused before any allocation.
        {"long text of 4 GiB", {0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k',
                                'l', 'm', 'n', 'o'}, Read::Text, kStreamReadError},
        {"UTF-8 text of 4 GiB", {0x14, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, Read::Text, kStreamReadError},
        {"UTF-16 text of 8 GiB", {0x12, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}, Read::Text, kStreamReadError},
        {"UTF-16 text with an odd byte", {0x12, 0x01, 0x00, 0x00, 0x00, 'a'}, Read::Text, kStreamReadError},
        {"text length cut short", {0x14, 0x01, 0x00}, Read::Text, kStreamReadError},
    };
    for (const Case& c : cases) {
        TPresetStreamReader reader(c.Input.data(), c.Input.size());
        try {
            switch (c.Operation) {
                case Read::Signature: reader.ReadSignature(); break;
                case Read::Integer: reader.ReadInteger(); break;
                case Read::Float: reader.ReadFloat(); break;
                case Read::Text: reader.ReadText(); break;
                case Read::ListBegin: reader.ReadListBegin(); break;
                case Read::ListEnd: reader.ReadListEnd(); break;
                case Read::EndOfList: reader.EndOfList(); break;
            }
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EPresetStreamError& error) {
            EXPECT_STREQ(error.what(), c.Message) << c.What;
        }
    }
}

}  // namespace
}  // namespace kandrel::test
