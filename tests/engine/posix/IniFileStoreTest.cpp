// The ini file behind the settings store on Linux: where it lives, what a
// hand-edited file reads as, and that writing changes nothing but the entry.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "plugin/JovRegistry.h"
#include "tests/support/TempFolder.h"

namespace kandrel::test {
namespace {

constexpr const char* kKeyPath = "Software\\Ostrik88\\Kandrel";

// Sets (or with nothing, removes) an environment variable for one test.
class TEnvironment {
public:
    TEnvironment(const char* Name, std::optional<std::string> Value) : FName(Name) {
        if (const char* old = std::getenv(Name)) FOld = old;
        Set(Value);
    }
    ~TEnvironment() { Set(FOld); }

private:
    void Set(const std::optional<std::string>& Value) {
        if (Value)
            setenv(FName, Value->c_str(), 1);
        else
            unsetenv(FName);
    }
    const char* FName;
    std::optional<std::string> FOld;
};

std::string ReadAll(const std::filesystem::path& Path) {
    std::ifstream in(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::filesystem::path& Path, const std::string& Text) {
    std::filesystem::create_directories(Path.parent_path());
    std::ofstream(Path, std::ios::binary) << Text;
}

class IniFileStore : public testing::Test {
protected:
    TTempFolder FConfig;
    TEnvironment FXdg{"XDG_CONFIG_HOME", FConfig.Path().string()};
    std::filesystem::path FIni = FConfig.Path() / "Ostrik88" / "Kandrel.ini";
};

TEST_F(IniFileStore, HandEditedFilesReadAsTheRegistryWould) {
    struct Case {
        const char* file;
        int32_t style;  // -99: the default
    };
    const Case cases[] = {
        {"[Config]\nStyle=3\n", 3},
        {"[config]\r\n  style = 4\r\n", 4},  // names ignore case; blanks and CR LF
        {"\xEF\xBB\xBF[Config]\nStyle=2\n", 2},
        {"; chosen in the editor\n[Config]\nStyle=2 ; Light\n", 2},
        {"[Config]\nStyle: 1\n", 1},
        {"[Config]\nStyle=1", 1},  // no final line break
        {"[Config]\nStyle=1\nStyle=2\n", 1},  // the first entry counts
        {"[Config]\nStyle=1\n  2\n", 1},       // a continuation line does not replace it
        {"[Config]\nOther=1\n[Config]\nStyle=4\n", 4},
        {"this line means nothing\n[Config]\nStyle=3\n", 3},
        {"Style=3\n", -99},  // outside any section
        {"[Other]\nStyle=3\n", -99},
        {"[Config]\nStyles=3\n", -99},
        {"[Config]\nStyle=\n", -99},
        {"[Config]\nStyle=three\n", -99},
        {"", -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "file:\n" << c.file);
        WriteAll(FIni, c.file);
        TJovRegIniFile store(kKeyPath);
        EXPECT_EQ(store.ReadInteger("Config", "Style", -99), c.style);
    }
}

TEST_F(IniFileStore, WritingChangesOnlyTheOneEntryAndReadsBack) {
    struct Case {
        const char* before;  // null: no file
        const char* after;
    };
    const Case cases[] = {
        {nullptr, "[Config]\nStyle=5\n"},
        {"", "[Config]\nStyle=5\n"},
        {"[Other]\na=1", "[Other]\na=1\n\n[Config]\nStyle=5\n"},
        {"; note\n[Config]\nFoo=bar\nStyle=1 ; old\n[Other]\nStyle=9\n",
         "; note\n[Config]\nFoo=bar\nStyle=5\n[Other]\nStyle=9\n"},
        {"[config]\r\nstyle = 1\r\n", "[config]\r\nStyle=5\r\n"},
        {"[Config]\nFoo=a\n  continued\n\n[Other]\nb=2\n", "[Config]\nFoo=a\n  continued\nStyle=5\n\n[Other]\nb=2\n"},
        {"[Config]\n", "[Config]\nStyle=5\n"},
        {"[Other]\nStyle=1\n[Config]\nFoo=1\n[Config]\nStyle=2\n",
         "[Other]\nStyle=1\n[Config]\nFoo=1\n[Config]\nStyle=5\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "before:\n" << (c.before ? c.before : "(no file)"));
        std::filesystem::remove_all(FConfig.Path() / "Ostrik88");
        if (c.before != nullptr) WriteAll(FIni, c.before);
        TJovRegIniFile store(kKeyPath);
        store.WriteInteger("Config", "Style", 5);
        EXPECT_EQ(ReadAll(FIni), c.after);
        EXPECT_EQ(TJovRegIniFile(kKeyPath).ReadInteger("Config", "Style", -99), 5);
    }
}

TEST_F(IniFileStore, ReadingCreatesNothingAndWritingReplacesTheFileWhole) {
    EXPECT_EQ(TJovRegIniFile(kKeyPath).ReadInteger("Config", "Style", -99), -99);
    EXPECT_TRUE(std::filesystem::is_empty(FConfig.Path()));

    WriteAll(FIni, "[Config]\nStyle=1\n");
    ASSERT_EQ(chmod(FIni.c_str(), 0640), 0);
    TJovRegIniFile(kKeyPath).WriteInteger("Config", "Style", 2);
    // No temporary file is left beside it, and the user's permissions stay.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FIni.parent_path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Kandrel.ini"});
    EXPECT_EQ(std::filesystem::status(FIni).permissions() & std::filesystem::perms::mask,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(IniFileStore, AWriteThatCannotReachTheFolderThrowsAndReadsStayAtTheDefault) {
    WriteAll(FConfig.Path() / "Ostrik88", "a file where the folder belongs");
    TJovRegIniFile store(kKeyPath);
    EXPECT_THROW(store.WriteInteger("Config", "Style", 2), std::runtime_error);
    EXPECT_EQ(store.ReadInteger("Config", "Style", -99), -99);
    EXPECT_EQ(ReadAll(FConfig.Path() / "Ostrik88"), "a file where the folder belongs");
}

TEST(IniFileLocation, FollowsXdgConfigHomeElseTheHomeFolder) {
    TTempFolder home;
    TEnvironment homeVariable("HOME", home.Path().string());
    const std::filesystem::path xdgFolder = home.Path() / "xdg";
    struct Case {
        std::optional<std::string> xdg;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {xdgFolder.string(), xdgFolder / "Ostrik88" / "Kandrel.ini"},
        {std::nullopt, home.Path() / ".config" / "Ostrik88" / "Kandrel.ini"},
        {"", home.Path() / ".config" / "Ostrik88" / "Kandrel.ini"},
        {"relative/folder", home.Path() / ".config" / "Ostrik88" / "Kandrel.ini"},  // to be ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "XDG_CONFIG_HOME=" << c.xdg.value_or("(unset)"));
        TEnvironment xdg("XDG_CONFIG_HOME", c.xdg);
        TJovRegIniFile(kKeyPath).WriteInteger("Config", "Style", 1);
        EXPECT_TRUE(std::filesystem::exists(c.expected));
        std::filesystem::remove_all(c.expected.parent_path());
    }
}

}  // namespace
}  // namespace kandrel::test
