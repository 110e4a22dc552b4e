#include "common/JovCommon.h"

#include <utf8/cpp17.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cwctype>
#include <limits>
#include <utility>

namespace kandrel {

namespace {

constexpr int64_t kWholeRest = std::numeric_limits<int64_t>::max();

// Bytes that are not valid UTF-8 become U+FFFD first, so decoding cannot throw.
std::u32string ToCodePoints(std::string_view S) {
    if (utf8::is_valid(S)) return utf8::utf8to32(S);
    return utf8::utf8to32(ValidUtf8(S));
}

// Only ever given code points that came out of ToCodePoints, which are all valid.
std::string ToUtf8(std::u32string_view S) { return utf8::utf32to8(S); }

// 1-based copy: an Index below 1 counts as 1, a Count past the end takes the
// rest, a Count of 0 or less takes nothing. 64-bit arguments so that callers
// can add and subtract 32-bit positions without overflow.
std::u32string_view CopyText(std::u32string_view S, int64_t Index, int64_t Count) {
    Index = std::max<int64_t>(Index, 1);
    if (Count <= 0 || Index > static_cast<int64_t>(S.size())) return {};
    return S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

// Lowercases by the C library's tables for its current LC_CTYPE locale, one
// code point for one, so positions in the lowercased text are positions in the
// original. In the "C" locale those tables know only A-Z. wint_t is 16 bits on
// Windows, so code points above U+FFFF stay as they are there.
void LowerCodePoints(std::u32string& S) {
    constexpr auto kWideMax = static_cast<char32_t>(std::numeric_limits<wchar_t>::max());
    for (char32_t& c : S)
        if (c <= kWideMax) c = static_cast<char32_t>(std::towlower(static_cast<std::wint_t>(c)));
}

std::string WithPlus(std::string Text, bool ShowSign) {
    if (ShowSign) Text.insert(Text.begin(), '+');
    return Text;
}

// Shortest-form decimal with 15 significant digits, the point replaced by the
// locale's separator and an exponent written as "E", a minus sign only when
// negative and no leading zeros ("1E-5", "1.5E20").
std::string GeneralText(double Value) {
    std::array<char, 64> buffer{};
    const char* end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), Value, std::chars_format::general, 15).ptr;
    std::string_view text(buffer.data(), static_cast<size_t>(end - buffer.data()));

    std::string exponent;
    if (const size_t e = text.find('e'); e != std::string_view::npos) {
        const char* digits = text.data() + e + 1;
        if (*digits == '+') ++digits;
        int power = 0;
        std::from_chars(digits, end, power);
        exponent = "E" + std::to_string(power);
        text = text.substr(0, e);
    }
    std::string result(text);
    if (const size_t point = result.find('.'); point != std::string::npos)
        result.replace(point, 1, LocaleDecimalSeparator());
    return result + exponent;
}

}  // namespace

std::string Int64ToText(int64_t Value, bool ShowSign) { return WithPlus(std::to_string(Value), ShowSign && Value > 0); }

std::string IntToText(int32_t Value, bool ShowSign) { return Int64ToText(Value, ShowSign); }

// Digits and signs are the same bytes in every ANSI code page and in UTF-8.
std::string IntToAnsiText(int32_t Value, bool ShowSign) { return IntToText(Value, ShowSign); }

std::string SingleToText(float Value, bool ShowSign) {
    const double value = Value;
    std::string text;
    if (std::isnan(value))
        text = "NAN";
    else if (std::isinf(value))
        text = value > 0 ? "INF" : "-INF";
    else if (value == 0)
        text = "0";  // also for -0, which would otherwise read "-0"
    else
        text = GeneralText(value);
    return WithPlus(std::move(text), ShowSign && value > 0);
}


std::string_view TrimBlanks(std::string_view S) noexcept {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!S.empty() && blank(S.front())) S.remove_prefix(1);
    while (!S.empty() && blank(S.back())) S.remove_suffix(1);
    return S;
}

std::string ValidUtf8(std::string_view S) { return utf8::is_valid(S) ? std::string(S) : utf8::replace_invalid(S); }

std::u32string LowerCaseCodePoints(std::string_view S) {
    std::u32string text = ToCodePoints(S);
    LowerCodePoints(text);
    return text;
}

std::string LeftText(std::string_view S, int32_t Count) { return ToUtf8(CopyText(ToCodePoints(S), 1, Count)); }

std::string RightText(std::string_view S, int32_t Count) {
    if (Count <= 0) return {};
    const std::u32string text = ToCodePoints(S);
    const size_t count = std::min(static_cast<size_t>(Count), text.size());
    return ToUtf8(std::u32string_view(text).substr(text.size() - count));
}

std::string TextFrom(std::string_view S, int32_t Index) { return ToUtf8(CopyText(ToCodePoints(S), Index, kWholeRest)); }

std::string ReplaceAt(std::string_view S, int32_t Index, int32_t Count, std::string_view NewText) {
    const std::u32string text = ToCodePoints(S);
    const int64_t index = Index;
    return ToUtf8(CopyText(text, 1, index - 1)) + std::string(NewText) +
           ToUtf8(CopyText(text, index + Count, kWholeRest));
}

// Each search resumes in the original text right after the occurrence just
// replaced, which is exactly the text that follows the inserted NewPattern.
std::string ReplaceAll(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                       bool IgnoreCase) {
    if (OldPattern.empty()) return std::string(S);
    const std::u32string text = ToCodePoints(S);
    std::u32string searched = text;
    std::u32string pattern = ToCodePoints(OldPattern);
    if (IgnoreCase) {
        LowerCodePoints(searched);
        LowerCodePoints(pattern);
    }
    const std::u32string_view original(text);
    std::string result;
    size_t from = 0;
    for (size_t found = searched.find(pattern); found != std::u32string::npos; found = searched.find(pattern, from)) {
        result += ToUtf8(original.substr(from, found - from));
        result += NewPattern;
        from = found + pattern.size();
    }
    return result + ToUtf8(original.substr(from));
}

std::string RepeatText(int32_t Count, std::string_view S) {
    std::string result;
    if (Count <= 0) return result;
    result.reserve(S.size() * static_cast<size_t>(Count));
    for (int32_t i = 0; i < Count; ++i) result += S;
    return result;
}

std::string CleanFileName(std::string_view FileName) {
    constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    std::string result(FileName);
    for (const char& c : kForbidden) result = ReplaceAll(result, std::string_view(&c, 1), "_", false);
    return result;
}

std::string GetCCGroupText(int32_t Number) {
    if (Number < 10) return "0 - 9";
    if (Number >= 120) return "120 - 127";
    const int32_t low = Number / 10 * 10;
    return std::to_string(low) + " - " + std::to_string(low + 9);
}

std::string ExtractFileTitle(std::string_view Path) {
#ifdef _WIN32
    constexpr std::string_view kFolderSeparators = "\\/:";
#else
    constexpr std::string_view kFolderSeparators = "/";
#endif
    // Separators and the dot are ASCII, which never occurs inside a multi-byte
    // UTF-8 sequence, so searching bytes is safe.
    const size_t folderEnd = Path.find_last_of(kFolderSeparators);
    const std::string_view name = folderEnd == std::string_view::npos ? Path : Path.substr(folderEnd + 1);
    return std::string(name.substr(0, name.rfind('.')));
}

}  // namespace kandrel
