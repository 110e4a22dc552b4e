// Small free functions used across the plug-in: number texts with an optional
// plus sign, text cutting and replacing (positions count characters from 1),
// controller-number groups, file-name cleaning, and the message box.
//
// Texts are UTF-8 std::strings; "characters" are Unicode code points.
// All functions hold no state and may be called from any thread, except
// ShowMessageBox, which belongs to the user-interface thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kandrel {

// "0" for 0 (also with ShowSign); otherwise plain decimal, "+" in front of
// positive values when ShowSign is set, no thousands separators.
std::string IntToText(int32_t Value, bool ShowSign);
std::string Int64ToText(int64_t Value, bool ShowSign);
// IntToText in the system's ANSI code page (digits and signs only, so the bytes are the same).
std::string IntToAnsiText(int32_t Value, bool ShowSign);
// General number format, up to 15 significant digits, the locale's decimal
// separator; "+" in front of values above 0 when ShowSign is set.
std::string SingleToText(float Value, bool ShowSign);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int64_t RoundSingle(float Value);
int64_t RoundHalfEven(double Value);

// The first value when Condition holds, else the second.
template <class T>
T Choose(bool Condition, const T& IfTrue, const T& IfFalse) {
    return Condition ? IfTrue : IfFalse;
}

std::string LeftText(std::string_view S, int32_t Count);
std::string RightText(std::string_view S, int32_t Count);
std::string TextFrom(std::string_view S, int32_t Index);
std::string ReplaceAt(std::string_view S, int32_t Index, int32_t Count, std::string_view NewText);
std::string ReplaceAll(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                       bool IgnoreCase);
std::string RepeatText(int32_t Count, std::string_view S);
// Replaces \ / : * ? " < > | with "_".
std::string CleanFileName(std::string_view FileName);
// "0 - 9" ... "110 - 119", "120 - 127".
std::string GetCCGroupText(int32_t Number);
// File name without folder and without its last extension.
std::string ExtractFileTitle(std::string_view Path);

// The locale's decimal separator (system setting on Windows, the C locale's on Linux).
std::string LocaleDecimalSeparator();

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };
enum TMsgDlgButtons : uint32_t { mbOK = 1, mbYesNo = 2 };
inline constexpr int32_t mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;

// Shows Text under Title and answers the result code of the button that closed
// it. Without a user interface (the Linux build) the box goes to standard error
// and answers OK, or No for a question, so nothing is done unasked.
// Thread: user interface only.
int32_t ShowMessageBox(const void* Owner, const std::string& Text, const std::string& Title,
                       TMsgDlgType Kind, TMsgDlgButtons Buttons);

}  // namespace kandrel
