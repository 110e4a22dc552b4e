#include "common/JovCommon.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace kandrel {
namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();

// ---------------------------------------------------------------- number texts

TEST(CommonNumberText, IntToTextAndAnsiTextShowSignOnlyForPositiveValues) {
    struct Case {
        int32_t value;
        bool showSign;
        const char* expected;
    };
    const Case cases[] = {
        {0, true, "0"},         {0, false, "0"},    {7, true, "+7"},
        {7, false, "7"},        {-7, true, "-7"},   {-7, false, "-7"},
        {kInt32Max, false, "2147483647"},           {kInt32Max, true, "+2147483647"},
        {kInt32Min, true, "-2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " showSign=" << c.showSign);
        EXPECT_EQ(IntToText(c.value, c.showSign), c.expected);
        EXPECT_EQ(IntToAnsiText(c.value, c.showSign), c.expected);
    }
}

TEST(CommonNumberText, Int64ToTextCoversTheWholeRange) {
    EXPECT_EQ(Int64ToText(kInt64Max, true), "+9223372036854775807");
    EXPECT_EQ(Int64ToText(kInt64Max, false), "9223372036854775807");
    EXPECT_EQ(Int64ToText(kInt64Min, true), "-9223372036854775808");
    EXPECT_EQ(Int64ToText(0, true), "0");
    EXPECT_EQ(Int64ToText(-1, true), "-1");
}

// Expected texts are written with "."; the machine's own separator is put in.
std::string WithLocaleSeparator(std::string Text) {
    if (const size_t point = Text.find('.'); point != std::string::npos)
        Text.replace(point, 1, LocaleDecimalSeparator());
    return Text;
}

TEST(CommonNumberText, SingleToTextUsesTheGeneralFormatWith15Digits) {
    struct Case {
        float value;
        bool showSign;
        const char* expected;
    };
    const Case cases[] = {
        {0.0f, true, "0"},
        {-0.0f, true, "0"},
        {1.5f, true, "+1.5"},
        {1.5f, false, "1.5"},
        {-1.5f, true, "-1.5"},
        {0.1f, false, "0.100000001490116"},
        {-0.3f, true, "-0.300000011920929"},
        {100.0f, true, "+100"},
        {123456.789f, false, "123456.7890625"},
        // Fixed notation down to 0.0001; the single nearest 0.0001 lies just below it.
        {0.0001220703125f, false, "0.0001220703125"},
        {0.0001f, false, "9.99999974737875E-5"},
        {-1e-5f, false, "-9.99999974737875E-6"},
        {6.103515625e-05f, false, "6.103515625E-5"},
        {1.40129846e-45f, false, "1.40129846432482E-45"},
        // Fixed notation up to 15 digits before the point.
        {1e15f, false, "999999986991104"},
        {562949953421312.0f, false, "562949953421312"},
        {1125899906842624.0f, true, "+1.12589990684262E15"},
        {1.048576e16f, false, "1.048576E16"},
        {std::numeric_limits<float>::max(), false, "3.40282346638529E38"},
        {-std::numeric_limits<float>::max(), true, "-3.40282346638529E38"},
        {std::numeric_limits<float>::quiet_NaN(), true, "NAN"},
        {std::numeric_limits<float>::infinity(), true, "+INF"},
        {-std::numeric_limits<float>::infinity(), false, "-INF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(SingleToText(c.value, c.showSign), WithLocaleSeparator(c.expected));
    }
}

TEST(CommonNumberText, LocaleDecimalSeparatorIsNotEmpty) { EXPECT_FALSE(LocaleDecimalSeparator().empty()); }

// -------------------------------------------------------------------- rounding

TEST(CommonRounding, RoundSingleTakesHalvesToTheEvenNeighbour) {
    struct Case {
        float value;
        int64_t expected;
    };
    const Case cases[] = {
        {0.5f, 0},
        {1.5f, 2},
        {2.5f, 2},
        {3.5f, 4},
        {-0.5f, 0},
        {-1.5f, -2},
        {-2.5f, -2},
        {0.49999997f, 0},
        {2.4f, 2},
        {2.6f, 3},
        {-2.6f, -3},
        {8388607.5f, 8388608},  // largest single with a half
        {1e10f, 10000000000},
        {9223371487098961920.0f, 9223371487098961920},  // largest single below 2^63
        {-9223372036854775808.0f, kInt64Min},
        {1e19f, kInt64Max},
        {-1e19f, kInt64Min},
        {std::numeric_limits<float>::infinity(), kInt64Max},
        {-std::numeric_limits<float>::infinity(), kInt64Min},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(RoundSingle(c.value), c.expected);
    }
}

TEST(CommonRounding, RoundHalfEvenKeepsDoublePrecision) {
    EXPECT_EQ(RoundHalfEven(4503599627370495.5), 4503599627370496);  // 2^52 - 0.5
    EXPECT_EQ(RoundHalfEven(4503599627370494.5), 4503599627370494);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(9223372036854774784.0), 9223372036854774784);  // 2^63 - 1024
    EXPECT_EQ(RoundHalfEven(9223372036854775808.0), kInt64Max);
    EXPECT_EQ(RoundHalfEven(-std::nan("")), 0);
}

// ------------------------------------------------------------- cutting texts

TEST(CommonTextCut, LeftAndRightCountCharactersNotBytes) {
    struct Case {
        int32_t count;
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {kInt32Min, "", ""}, {-1, "", ""}, {0, "", ""},         {1, "B", "d"},
        {2, "Bä", "nd"},     {3, "Bän", "änd"}, {4, "Bänd", "Bänd"}, {99, "Bänd", "Bänd"},
        {kInt32Max, "Bänd", "Bänd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(LeftText("Bänd", c.count), c.left);
        EXPECT_EQ(RightText("Bänd", c.count), c.right);
    }
    // A character outside the 16-bit range is still one character.
    EXPECT_EQ(LeftText("a\U0001D11Eb", 2), "a\U0001D11E");
    EXPECT_EQ(RightText("a\U0001D11Eb", 2), "\U0001D11Eb");
    EXPECT_EQ(LeftText("", 3), "");
}

TEST(CommonTextCut, TextFromTreatsPositionsBelowOneAsOne) {
    struct Case {
        int32_t index;
        const char* expected;
    };
    const Case cases[] = {
        {kInt32Min, "Bänd"}, {-5, "Bänd"}, {0, "Bänd"}, {1, "Bänd"}, {2, "änd"},
        {3, "nd"},           {4, "d"},     {5, ""},     {99, ""},    {kInt32Max, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(TextFrom("Bänd", c.index), c.expected);
    }
}

TEST(CommonTextCut, ReplaceAtJoinsHeadNewTextAndTail) {
    struct Case {
        int32_t index;
        int32_t count;
        const char* newText;
        const char* expected;
    };
    const Case cases[] = {
        {2, 1, "a", "Band"},
        {2, 0, "x", "Bxänd"},
        {3, 99, "ß", "Bäß"},
        {1, 4, "", ""},
        {5, 0, "!", "Bänd!"},
        {9, 1, "!", "Bänd!"},
        {0, 1, "X", "XBänd"},             // no head (Index-1 < 1), the tail starts at 1
        {3, -1, "X", "BäXänd"},           // the tail starts at Index+Count = 2
        {kInt32Max, kInt32Max, "X", "BändX"},
        {kInt32Min, kInt32Min, "X", "XBänd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << "," << c.count);
        EXPECT_EQ(ReplaceAt("Bänd", c.index, c.count, c.newText), c.expected);
    }
}

TEST(CommonTextCut, InvalidUtf8ReadsAsReplacementCharacter) {
    const std::string broken = "a\xFF" "b\xC3";  // a stray byte and a cut-off sequence
    EXPECT_EQ(LeftText(broken, 3), "a\uFFFD" "b");
    EXPECT_EQ(RightText(broken, 1), "\uFFFD");
    EXPECT_EQ(TextFrom(broken, 2), "\uFFFD" "b\uFFFD");
    EXPECT_EQ(ReplaceAt(broken, 2, 1, "-"), "a-b\uFFFD");
    EXPECT_EQ(ReplaceAll(broken, "b", "c", true), "a\uFFFD" "c\uFFFD");
}

TEST(CommonTextCut, RepeatText) {
    EXPECT_EQ(RepeatText(3, "ab"), "ababab");
    EXPECT_EQ(RepeatText(1, "ä"), "ä");
    EXPECT_EQ(RepeatText(0, "ab"), "");
    EXPECT_EQ(RepeatText(-2, "ab"), "");
    EXPECT_EQ(RepeatText(kInt32Min, "ab"), "");
    EXPECT_EQ(RepeatText(3, ""), "");
}

// ------------------------------------------------------------------ ReplaceAll

TEST(CommonReplaceAll, ReplacesLeftToRightWithoutRevisitingInsertedText) {
    struct Case {
        const char* text;
        const char* oldPattern;
        const char* newPattern;
        bool ignoreCase;
        const char* expected;
    };
    const Case cases[] = {
        {"aaa", "a", "aa", false, "aaaaaa"},
        {"aA", "a", "Aa", true, "AaAa"},
        {"Hello", "L", "_", true, "He__o"},
        {"Hello", "L", "_", false, "Hello"},
        {"Hello", "", "_", false, "Hello"},
        {"Hello", "", "_", true, "Hello"},
        {"", "a", "b", false, ""},
        {"abcabc", "bc", "", false, "aa"},
        {"ababa", "aba", "X", false, "Xba"},  // occurrences do not overlap
        {"ABCabc", "b", "x", true, "AxCaxc"},  // the rest keeps its case
        {"Bänd Bänd", "ä", "ae", false, "Baend Baend"},
        {"xänd", "Ä", "a", false, "xänd"},
        {"a\U0001D11Eb\U0001D11E", "\U0001D11E", "-", true, "a-b-"},
        {"abc", "abcd", "x", false, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.oldPattern << " -> " << c.newPattern
                                        << " ignoreCase=" << c.ignoreCase);
        EXPECT_EQ(ReplaceAll(c.text, c.oldPattern, c.newPattern, c.ignoreCase), c.expected);
    }
}

// Case folding beyond ASCII follows the C library's tables for the current
// LC_CTYPE locale; each test sets the locale it needs and restores the old one.
class CommonReplaceAllLocale : public testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_CTYPE, saved_.c_str()); }
    bool Use(const char* Name) { return std::setlocale(LC_CTYPE, Name) != nullptr; }

private:
    std::string saved_ = std::setlocale(LC_CTYPE, nullptr);
};

TEST_F(CommonReplaceAllLocale, ClassicLocaleFoldsOnlyAscii) {
    ASSERT_TRUE(Use("C"));
    EXPECT_EQ(ReplaceAll("xÄx", "ä", "a", true), "xÄx");
    EXPECT_EQ(ReplaceAll("xAx", "a", "-", true), "x-x");
}

TEST_F(CommonReplaceAllLocale, UnicodeLocaleFoldsOtherLettersToo) {
    if (!Use("C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale on this system";
    EXPECT_EQ(ReplaceAll("xÄxä", "ä", "a", true), "xaxa");
    EXPECT_EQ(ReplaceAll("ΑΒΓ", "β", "b", true), "ΑbΓ");
}

// ------------------------------------------------------------------ file names

TEST(CommonFileName, CleanFileNameReplacesTheNineForbiddenCharacters) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"a/b:c*d?e", "a_b_c_d_e"},
        {"\\/:*?\"<>|", "_________"},
        {"x\\y\"z<w>v|u", "x_y_z_w_v_u"},
        {"Bänd 1. Preset", "Bänd 1. Preset"},
        {"tab\there. ", "tab\there. "},  // control characters and trailing dots or blanks stay
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CleanFileName(c.name), c.expected);
    }
}

TEST(CommonFileName, ExtractFileTitleDropsFolderAndLastExtension) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/me/Presets/My.Preset.ostrik88p", "My.Preset"},
        {"My.Preset.ostrik88p", "My.Preset"},
        {"/home/me/Presets/NoDot", "NoDot"},
        {"/home/me/v1.2/NoDot", "NoDot"},  // a dot in a folder is no extension
        {"Bänd.ostrik88p", "Bänd"},
        {"name.", "name"},
        {".ostrik88p", ""},
        {"/home/me/", ""},
        {"", ""},
#ifdef _WIN32
        {"C:\\Users\\me\\My.Preset.ostrik88p", "My.Preset"},
        {"C:My.Preset.ostrik88p", "My.Preset"},
        {"C:\\v1.2\\NoDot", "NoDot"},
#else
        {"a\\b.c\\My.Preset", "a\\b.c\\My"},  // a backslash is an ordinary character here
        {"C:My.Preset", "C:My"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExtractFileTitle(c.path), c.expected);
    }
}

// -------------------------------------------------------- controller groups

TEST(CommonCCGroup, GetCCGroupTextLabelsGroupsOfTen) {
    struct Case {
        int32_t number;
        const char* expected;
    };
    const Case cases[] = {
        {kInt32Min, "0 - 9"}, {-1, "0 - 9"},        {0, "0 - 9"},          {9, "0 - 9"},
        {10, "10 - 19"},      {19, "10 - 19"},      {55, "50 - 59"},       {99, "90 - 99"},
        {100, "100 - 109"},   {119, "110 - 119"},   {120, "120 - 127"},    {127, "120 - 127"},
        {200, "120 - 127"},   {kInt32Max, "120 - 127"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(GetCCGroupText(c.number), c.expected);
    }
}

// ----------------------------------------------------------------- message box

#ifndef _WIN32
// Without a user interface the box goes to standard error, and a question is
// answered No so that nothing is done unasked.
TEST(CommonMessageBox, HeadlessBoxWritesToStandardErrorAndDeclinesQuestions) {
    testing::internal::CaptureStderr();
    const int32_t notice = ShowMessageBox(nullptr, "Saved", "Save Preset", TMsgDlgType::Information, mbOK);
    const int32_t question = ShowMessageBox(nullptr, "Overwrite?", "Save Preset", TMsgDlgType::Confirmation, mbYesNo);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(notice, mrOk);
    EXPECT_EQ(question, mrNo);
    EXPECT_EQ(written, "Save Preset: Saved\nSave Preset: Overwrite?\n");
}
#endif

}  // namespace
}  // namespace kandrel
