// Small free functions used across the plug-in: number texts with an optional
// plus sign, text cutting and replacing (positions count characters from 1),
// controller-number groups, file-name cleaning, and the message box.
//
// Texts are UTF-8 std::strings; "characters" are Unicode code points and
// positions count them from 1. Bytes that are not valid UTF-8 read as U+FFFD
// in the character-based functions, so no text makes them throw.
// All functions hold no state and may be called from any thread, except
// ShowMessageBox, which belongs to the user-interface thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kandrel {

// "0" for 0 (also with ShowSign); otherwise plain decimal, "+" in front of
// positive values when ShowSign is set, no thousands separators.
std::string IntToText(int32_t Value, bool ShowSign);
std::string Int64ToText(int64_t Value, bool ShowSign);
// IntToText in the system's ANSI code page (digits and signs only, so the bytes are the same).
std::string IntToAnsiText(int32_t Value, bool ShowSign);
// General number format, up to 15 significant digits, the locale's decimal
// separator: fixed notation from 0.0001 up to 15 digits before the point,
// otherwise scientific ("1E-5", "1.5E20"); 0 (also -0) is "0", NaN "NAN",
// infinities "INF" and "-INF". "+" in front of values above 0 when ShowSign is set.
std::string SingleToText(float Value, bool ShowSign);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the int64 range saturate; NaN gives 0.
// Inline and free of library calls: the band engine rounds on every note, and
// the C libraries' round functions differ (mingw-w64's takes 0.49999999999999994 up).
inline int64_t RoundHalfEven(double Value) noexcept {
    constexpr double kTwoTo52 = 4503599627370496.0;  // from here on every double is whole
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(Value > -kTwoTo52 && Value < kTwoTo52)) {
        if (Value != Value) return 0;
        if (Value >= kTwoTo63) return INT64_MAX;
        if (Value < -kTwoTo63) return INT64_MIN;
        return static_cast<int64_t>(Value);
    }
    int64_t whole = static_cast<int64_t>(Value);               // truncated towards zero
    const double fraction = Value - static_cast<double>(whole);  // exact below 2^52
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    else if (fraction < -0.5 || (fraction == -0.5 && (whole & 1) != 0)) --whole;
    return whole;
}
inline int64_t RoundSingle(float Value) noexcept { return RoundHalfEven(static_cast<double>(Value)); }

// The first value when Condition holds, else the second.
template <class T>
T Choose(bool Condition, const T& IfTrue, const T& IfFalse) {
    return Condition ? IfTrue : IfFalse;
}

// Cutting follows the usual 1-based copy rules: an Index below 1 counts as 1,
// a Count past the end takes the rest, a Count of 0 or less takes nothing.
std::string LeftText(std::string_view S, int32_t Count);
std::string RightText(std::string_view S, int32_t Count);
std::string TextFrom(std::string_view S, int32_t Index);
// The first Index-1 characters, then NewText, then everything from Index+Count on.
std::string ReplaceAt(std::string_view S, int32_t Index, int32_t Count, std::string_view NewText);
// Replaces every occurrence of OldPattern from left to right; the search goes
// on after each inserted NewPattern, so NewPattern is never replaced again.
// An empty OldPattern replaces nothing. IgnoreCase compares lowercased forms
// and keeps the case of everything not replaced.
std::string ReplaceAll(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                       bool IgnoreCase);
// S without the spaces, tabs and line breaks around it.
std::string_view TrimBlanks(std::string_view S) noexcept;
// S with every byte sequence that is not valid UTF-8 replaced by U+FFFD.
std::string ValidUtf8(std::string_view S);
// S's code points lowercased as IgnoreCase compares them (the C library's
// tables for its current LC_CTYPE locale, one code point for one).
std::u32string LowerCaseCodePoints(std::string_view S);
// S written Count times; empty when Count is 0 or less.
std::string RepeatText(int32_t Count, std::string_view S);
// Replaces \ / : * ? " < > | with "_".
std::string CleanFileName(std::string_view FileName);
// "0 - 9" ... "110 - 119", "120 - 127".
std::string GetCCGroupText(int32_t Number);
// File name without folder and without its last extension. Folder separators
// are '\\', '/' and ':' on Windows, '/' elsewhere.
std::string ExtractFileTitle(std::string_view Path);

// True when the volume of Path answers a volume query: on Windows the root of
// Path's drive ("C:\\" of "C:\\x"), with no critical-error box for a missing
// medium; elsewhere the file system holding Path's nearest existing folder.
bool IsDriveReady(std::string_view Path);
// True when FileName (one pair of surrounding double quotes and outer blanks
// removed) names an existing file, not a folder. A Windows drive-letter path
// whose drive is not ready is false without touching the file.
bool SafeFileExists(std::string_view FileName);
// The user's documents folder without a trailing separator, empty when it
// cannot be determined: the shell's personal folder on Windows;
// $XDG_DOCUMENTS_DIR, else $HOME/Documents elsewhere.
std::string GetDocumentsFolder();

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

// ---- file listing, file dates and the file explorer
// Paths are UTF-8. None of these throws for a missing or unreadable file.

// Entry kinds ListFiles accepts besides plain and read-only files (the
// Windows attribute bits). On Linux, names starting with "." are hidden, and
// sockets, pipes and devices count as system entries.
inline constexpr int32_t faReadOnly = 0x01, faHidden = 0x02, faSysFile = 0x04, faDirectory = 0x10;

// FileMask is a folder with its trailing separator followed by masks separated
// by ";" (".../Presets/*.ostrik88p;*.fxp"). Adds the names (without folder) of
// the entries each mask finds, folders never, to List, which is not cleared,
// and sorts List case-insensitively. True when the search of the last mask
// found at least one entry and ended normally; False for no folder part, a
// missing folder or no match. Masks match case-insensitively on Windows and
// case-sensitively on Linux, as the file systems compare names.
bool ListFiles(const std::string& FileMask, int32_t Attributes, std::vector<std::string>& List);
// The last-write time of the entry named by Path in local time, as a date-time
// number (days since 30 December 1899, the time of day as the fraction); 0 when
// there is none.
double GetFileDateTime(const std::string& Path);
// GetFileDateTime in the user's short date format.
std::string GetFileDateText(const std::string& Path);
// The date of the library (or program) file this code was loaded from, not of
// the host program, as GetFileDateText.
std::string GetBuildDate();
// Opens the system's file explorer on Folder without waiting for it (Windows
// explorer.exe, Linux xdg-open). True when it was started.
bool ShowInExplorer(const std::string& Folder);
// How ShowInExplorer starts a program: Program and, on Windows, the parameter
// text the shell takes; on Linux the one argument. Answers whether it started.
using TStartProgram = bool (*)(const std::string& Program, const std::string& Parameters);
// Replaces that way (null restores the system's) and answers the previous one,
// so tests see the request without opening explorer windows.
TStartProgram SetStartProgram(TStartProgram Start) noexcept;

}  // namespace kandrel
