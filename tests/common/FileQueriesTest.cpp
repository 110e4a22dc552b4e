// File and drive queries, whole-file reads and all-or-nothing writes, and the
// documents folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "common/FileIO.h"
#include "common/JovCommon.h"
#include "host/Utf8Path.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace kandrel::test {
namespace {

namespace fs = std::filesystem;
using host::PathFromUtf8;
using host::Utf8FromPath;

class FileQueries : public ::testing::Test {
protected:
    FileQueries() {
        Folder = fs::temp_directory_path() / PathFromUtf8("kandrel-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(Folder);
        File = Utf8FromPath(Folder / PathFromUtf8("B\xC3\xA4nd \xE6\x97\xA5.ostrik88p"));
        std::ofstream(PathFromUtf8(File)) << "x";
        SubFolder = Utf8FromPath(Folder / "sub");
        fs::create_directory(PathFromUtf8(SubFolder));
    }
    ~FileQueries() override { fs::remove_all(Folder); }

    std::set<std::string> Entries() {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder)) names.insert(Utf8FromPath(entry.path().filename()));
        return names;
    }
    std::string Content(const std::string& Path) {
        const std::vector<uint8_t> bytes = ReadFileBytes(Path, 1 << 20);
        return std::string(bytes.begin(), bytes.end());
    }

    fs::path Folder;
    std::string File;  // exists, non-ASCII name
    std::string SubFolder;
};

TEST_F(FileQueries, SafeFileExists) {
    struct Case {
        std::string Name;
        bool Expected;
    };
    const Case cases[] = {
        {File, true},
        {"\"" + File + "\"", true},
        {"\"  " + File + " \t\"", true},     // quotes first, then blanks and control characters
        {" \t" + File + "\r\n", true},
        {" \"" + File + "\"", false},         // a blank before the quote keeps the quote
        {SubFolder, false},
        {"\"" + SubFolder + "\"", false},
        {File + ".missing", false},
        {"", false},
        {"   ", false},
        {"\"\"", false},
        {File + std::string(1, '\0') + "x", false},  // never tests a shorter name
    };
    for (const Case& c : cases) EXPECT_EQ(SafeFileExists(c.Name), c.Expected) << c.Name;
}

TEST_F(FileQueries, DriveReadiness) {
    EXPECT_TRUE(IsDriveReady(File));
    EXPECT_TRUE(IsDriveReady(Utf8FromPath(Folder / "not" / "there")));
#if defined(_WIN32)
    // A drive letter that names no drive: no error box, just false.
    const DWORD drives = GetLogicalDrives();
    char letter = 0;
    for (char c = 'Q'; c <= 'Y' && letter == 0; ++c)
        if ((drives & (1u << (c - 'A'))) == 0) letter = c;
    ASSERT_NE(letter, 0);
    const std::string missing = std::string(1, letter) + ":\\Presets\\init.ostrik88p";
    EXPECT_FALSE(IsDriveReady(missing));
    EXPECT_FALSE(SafeFileExists(missing));
    EXPECT_FALSE(SafeFileExists("\"" + missing + "\""));
#endif
}

TEST_F(FileQueries, WritingReplacesTheWholeFileAndLeavesNothingElse) {
    WriteFileReplacing(File, reinterpret_cast<const uint8_t*>("new content"), 11);
    EXPECT_EQ(Content(File), "new content");
    const std::string second = Utf8FromPath(Folder / "second");
    WriteFileReplacing(second, nullptr, 0);
    EXPECT_EQ(Content(second), "");
    EXPECT_EQ(Entries(), (std::set<std::string>{Utf8FromPath(fs::path(PathFromUtf8(File)).filename()), "sub", "second"}));

    // Failures leave what was there and no temporary file.
    EXPECT_THROW(WriteFileReplacing(SubFolder, reinterpret_cast<const uint8_t*>("x"), 1), EFileError);
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(SubFolder)));
    EXPECT_THROW(WriteFileReplacing(Utf8FromPath(Folder / "missing" / "f"), nullptr, 0), EFileError);
    EXPECT_EQ(Entries().size(), 3u);
}

TEST_F(FileQueries, ReplacingPutsANewFileInPlaceOfTheOld) {
    const auto write = [](const std::string& Path, const std::string& Text) {
        WriteFileReplacing(Path, reinterpret_cast<const uint8_t*>(Text.data()), Text.size());
    };
    write(File, "old");
    // A second name for the old file still shows the old bytes: a writer that
    // overwrote in place would have changed them half-way for any reader.
    const fs::path secondName = Folder / "second-name";
    fs::create_hard_link(PathFromUtf8(File), secondName);
    write(File, "new");
    EXPECT_EQ(Content(File), "new");
    EXPECT_EQ(Content(Utf8FromPath(secondName)), "old");
#if !defined(_WIN32)
    // A preset reached through a link: the link stays, its target is replaced
    // and keeps the permissions it had.
    fs::permissions(PathFromUtf8(File), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = Folder / "link.ostrik88p";
    fs::create_symlink(PathFromUtf8(File), link);
    write(Utf8FromPath(link), "newer");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(File), "newer");
    EXPECT_EQ(fs::status(PathFromUtf8(File)).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A pipe under a preset's name is refused at once, not waited on.
    const std::string pipe = Utf8FromPath(Folder / "pipe.ostrik88p");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(ReadFileBytes(pipe, 100), EFileError);
#endif
}

TEST_F(FileQueries, ReadingFailsForMissingFoldersAndOversizedFiles) {
    EXPECT_THROW(ReadFileBytes(File + ".missing", 100), EFileError);
    EXPECT_THROW(ReadFileBytes(SubFolder, 100), EFileError);
    WriteFileReplacing(File, reinterpret_cast<const uint8_t*>("12345"), 5);
    EXPECT_THROW(ReadFileBytes(File, 4), EFileError);
    EXPECT_EQ(ReadFileBytes(File, 5).size(), 5u);
}

#if !defined(_WIN32)
TEST(DocumentsFolder, FromTheEnvironment) {
    const char* savedDocuments = std::getenv("XDG_DOCUMENTS_DIR");
    const char* savedHome = std::getenv("HOME");
    const std::string documents = savedDocuments ? savedDocuments : "", home = savedHome ? savedHome : "";
    struct Case {
        const char* Documents;  // null: unset
        const char* Home;
        const char* Expected;
    };
    const Case cases[] = {
        {"/data/Docs", "/home/u", "/data/Docs"},
        {"/data/Docs/", "/home/u", "/data/Docs"},
        {"", "/home/u", "/home/u/Documents"},
        {"Docs", "/home/u", "/home/u/Documents"},  // relative: not a usable folder
        {nullptr, "/home/u/", "/home/u/Documents"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        c.Documents ? setenv("XDG_DOCUMENTS_DIR", c.Documents, 1) : unsetenv("XDG_DOCUMENTS_DIR");
        c.Home ? setenv("HOME", c.Home, 1) : unsetenv("HOME");
        EXPECT_EQ(GetDocumentsFolder(), c.Expected) << (c.Documents ? c.Documents : "(unset)");
    }
    savedDocuments ? setenv("XDG_DOCUMENTS_DIR", documents.c_str(), 1) : unsetenv("XDG_DOCUMENTS_DIR");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}
#else
TEST(DocumentsFolder, IsTheShellsPersonalFolder) {
    const std::string folder = GetDocumentsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder))) << folder;
    EXPECT_NE(folder.back(), '\\');
}
#endif

}  // namespace
}  // namespace kandrel::test
