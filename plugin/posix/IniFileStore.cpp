// The settings store as an ini file under the user's configuration folder.
// Reading goes through libinih; writing edits only the one line it changes,
// so comments, other sections and other entries stay as the user left them,
// and replaces the file in one step (a reader never sees half a file).
#include <ini.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "common/FileIO.h"
#include "plugin/JovRegistry.h"

namespace kandrel {

struct TJovRegIniFile::TPlatformStore {
    std::string Path;  // empty when the user's configuration folder is unknown
};

namespace {

namespace fs = std::filesystem;

bool EqualIgnoringAsciiCase(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(A[i]) != lower(B[i])) return false;
    }
    return true;
}

// $XDG_CONFIG_HOME when it is an absolute path (relative ones are to be
// ignored), else the home folder's ".config".
std::string ConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        home = env;
    } else {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
            found->pw_dir != nullptr)
            home = found->pw_dir;
    }
    return home.empty() ? std::string() : home + "/.config";
}

// "Software\Ostrik88\Kandrel" -> "<config folder>/Ostrik88/Kandrel.ini".
std::string IniPath(std::string_view KeyPath) {
    const std::string folder = ConfigFolder();
    if (folder.empty()) return {};
    constexpr std::string_view kSoftware = "Software\\";
    if (KeyPath.size() >= kSoftware.size() && EqualIgnoringAsciiCase(KeyPath.substr(0, kSoftware.size()), kSoftware))
        KeyPath.remove_prefix(kSoftware.size());
    std::string relative(KeyPath);
    for (char& c : relative)
        if (c == '\\') c = '/';
    return folder + "/" + relative + ".ini";
}

struct TLookup {
    std::string_view Section, Name;
    std::optional<std::string> Value;
};

// The first entry of that name in a section of that name wins, as in the
// registry's ini files; later ones (and continuation lines) are ignored.
int OnEntry(void* User, const char* Section, const char* Name, const char* Value) noexcept {
    auto& lookup = *static_cast<TLookup*>(User);
    if (lookup.Value || !EqualIgnoringAsciiCase(Section, lookup.Section) || !EqualIgnoringAsciiCase(Name, lookup.Name))
        return 1;
    try {
        lookup.Value = Value != nullptr ? Value : "";
    } catch (...) {
        return 0;  // no exception may cross the parser's C frames
    }
    return 1;
}

// --- the writer's view of the file: lines classified by the parser's own rules ---

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f' || C == '\v'; }

std::string_view TrimmedBlanks(std::string_view S) {
    while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
    return S;
}

// Position of the first of Chars, or of an inline comment (";" after a blank).
size_t FindCharsOrComment(std::string_view S, std::string_view Chars) {
    bool afterBlank = false;
    for (size_t i = 0; i < S.size(); ++i) {
        if (Chars.find(S[i]) != std::string_view::npos || (afterBlank && S[i] == ';')) return i;
        afterBlank = IsBlank(S[i]);
    }
    return S.size();
}

struct TLine {
    enum class TKind { Other, Section, Entry, Continuation } Kind = TKind::Other;
    std::string_view Name;  // of the section or the entry
};

// One line, given the entry that the lines before it left open (a blank-led
// line continues that entry's value).
TLine Classify(std::string_view Line, bool EntryOpen) {
    const std::string_view text = TrimmedBlanks(Line);
    if (text.empty() || text.front() == ';' || text.front() == '#') return {};
    if (EntryOpen && IsBlank(Line.front())) return {TLine::TKind::Continuation, {}};
    if (text.front() == '[') {
        const size_t close = FindCharsOrComment(text.substr(1), "]") + 1;
        if (close >= text.size() || text[close] != ']') return {};
        return {TLine::TKind::Section, text.substr(1, close - 1)};
    }
    const size_t separator = FindCharsOrComment(text, "=:");
    if (separator >= text.size() || (text[separator] != '=' && text[separator] != ':')) return {};
    return {TLine::TKind::Entry, TrimmedBlanks(text.substr(0, separator))};
}

std::string Joined(const std::vector<std::string>& Lines, const std::string& Newline) {
    std::string result;
    for (const std::string& line : Lines) result += line + Newline;
    return result;
}

// Text with Section/Name set to Value: the first such entry (the one a read
// finds) is rewritten in place; else the entry goes after the last entry of
// the first such section; else a new section goes at the end of the file.
std::string WithEntry(const std::string& Text, std::string_view Section, std::string_view Name,
                      std::string_view Value) {
    const std::string newline = Text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    const std::string entry = std::string(Name) + "=" + std::string(Value);
    std::optional<size_t> insertAfter;  // in the first section of that name
    bool inSection = false, inFirstSection = false, entryOpen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (i == 0 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);  // byte-order mark
        const TLine kind = Classify(line, entryOpen);
        if (kind.Kind == TLine::TKind::Section) {
            inSection = EqualIgnoringAsciiCase(kind.Name, Section);
            inFirstSection = inSection && !insertAfter;
            if (inFirstSection) insertAfter = i;
            entryOpen = false;
            continue;
        }
        if (kind.Kind == TLine::TKind::Entry && inSection && EqualIgnoringAsciiCase(kind.Name, Name)) {
            lines[i] = entry;
            return Joined(lines, newline);
        }
        if (kind.Kind == TLine::TKind::Entry) entryOpen = true;
        if (kind.Kind != TLine::TKind::Other && inFirstSection) insertAfter = i;
    }
    if (insertAfter) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAfter + 1), entry);
    } else {
        if (!lines.empty() && !TrimmedBlanks(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(Section) + "]");
        lines.push_back(entry);
    }
    return Joined(lines, newline);
}

[[noreturn]] void Fail(std::string_view Name, const std::string& Why) {
    throw std::runtime_error("Failed to write the setting '" + std::string(Name) + "': " + Why);
}

}  // namespace

TJovRegIniFile::TJovRegIniFile(const std::string& KeyPath)
    : FStore(std::make_unique<TPlatformStore>(TPlatformStore{IniPath(KeyPath)})) {}

TJovRegIniFile::~TJovRegIniFile() = default;

std::optional<std::string> TJovRegIniFile::ReadText(std::string_view Section, std::string_view Name) {
    if (FStore->Path.empty()) return std::nullopt;
    TLookup lookup{Section, Name, std::nullopt};
    // Lines the parser cannot read are skipped; only a missing file fails it.
    ini_parse(FStore->Path.c_str(), &OnEntry, &lookup);
    return lookup.Value;
}

void TJovRegIniFile::WriteString(std::string_view Section, std::string_view Name, std::string_view Value) {
    if (FStore->Path.empty()) Fail(Name, "the configuration folder is unknown");
    for (std::string_view part : {Section, Name, Value})
        if (part.find_first_of("\r\n") != std::string_view::npos) Fail(Name, "line breaks cannot be stored");
    // Written whole through a temporary file; a linked settings file (kept
    // elsewhere by the user) is updated where it lies.
    const std::string& path = FStore->Path;
    std::error_code error;
    std::string text;
    if (fs::exists(path, error)) {
        try {
            const std::vector<uint8_t> bytes = ReadFileBytes(path, UINT64_MAX);
            text.assign(bytes.begin(), bytes.end());
        } catch (const EFileError&) {
            Fail(Name, "the settings file cannot be read");
        }
    } else if (error) {
        Fail(Name, error.message());
    }
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error) Fail(Name, error.message());
    const std::string updated = WithEntry(text, Section, Name, Value);
    try {
        WriteFileReplacing(path, reinterpret_cast<const uint8_t*>(updated.data()), updated.size());
    } catch (const EFileError& e) {
        Fail(Name, e.what());
    }
}

}  // namespace kandrel
