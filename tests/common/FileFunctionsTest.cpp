// Listing files, file dates, the build date and starting the file explorer,
// against real files in a temporary folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/JovCommon.h"
#include "host/PluginHost.h"
#include "host/TestPaths.h"
#include "tests/support/TempFolder.h"

namespace kandrel {
namespace {

using test::TTempFolder;

void Touch(const std::filesystem::path& Path) { std::ofstream(Path, std::ios::binary) << "x"; }

// A folder with three presets, a sub-folder that matches the mask too and a
// file of another kind. The names sort differently by bytes and ignoring case.
class ListFilesTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Gamma.ostrik88p", "alpha.ostrik88p", "Beta.ostrik88p", "notes.txt"})
            Touch(FFolder.PathOf(name));
        std::filesystem::create_directory(FFolder.PathOf("folder.ostrik88p"));
#if !defined(_WIN32)
        Touch(FFolder.PathOf(".hidden.ostrik88p"));  // hidden on Linux by its name
#endif
    }
    TTempFolder FFolder;
};

TEST_F(ListFilesTest, AddsMatchingFilesOnlySortedIgnoringCaseToWhatTheListHeld) {
    std::vector<std::string> list{"presets.txt"};  // the caller's: kept and sorted in
    EXPECT_TRUE(ListFiles(FFolder.Text() + "*.ostrik88p", 0, list));
    EXPECT_EQ(list, (std::vector<std::string>{"alpha.ostrik88p", "Beta.ostrik88p", "Gamma.ostrik88p", "presets.txt"}));
}

TEST_F(ListFilesTest, TheLastMaskDecidesTheResult) {
    struct Case {
        const char* masks;
        bool result;
        std::vector<std::string> list;
    };
    const Case cases[] = {
        {"*.ostrik88p;*.txt", true,
         {"alpha.ostrik88p", "Beta.ostrik88p", "Gamma.ostrik88p", "notes.txt"}},
        {" notes.* ; a*.ostrik88p ", true, {"alpha.ostrik88p", "notes.txt"}},
        {"*.txt;*.none", false, {"notes.txt"}},
        {"*.none", false, {}},
        {"folder.*", false, {}},  // a folder is never listed, nor counts as found
        {"*.txt;", false, {"notes.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.masks);
        std::vector<std::string> list;
        EXPECT_EQ(ListFiles(FFolder.Text() + c.masks, 0, list), c.result);
        EXPECT_EQ(list, c.list);
    }
}

TEST_F(ListFilesTest, AttributesAdmitFoldersAsFoundButNeverListThem) {
    std::vector<std::string> list;
    EXPECT_TRUE(ListFiles(FFolder.Text() + "folder.*", faDirectory, list));
    EXPECT_TRUE(list.empty());
}

TEST_F(ListFilesTest, AMissingFolderOrNoFolderPartFindsNothing) {
    for (const std::string& mask : {FFolder.Text("missing") + "/*.ostrik88p", std::string("*.ostrik88p")}) {
        SCOPED_TRACE(mask);
        std::vector<std::string> list;
        EXPECT_FALSE(ListFiles(mask, 0, list));
        EXPECT_TRUE(list.empty());
    }
}

// Masks compare as the platform's file names do: a preset listed on Linux can
// then be opened again by its title and the lowercase extension.
TEST_F(ListFilesTest, MasksMatchCaseAsTheFileSystemComparesNames) {
    std::vector<std::string> list;
    const bool found = ListFiles(FFolder.Text() + "*.OSTRIK88P", 0, list);
#if defined(_WIN32)
    EXPECT_TRUE(found);
    EXPECT_EQ(list.size(), 3u);
#else
    EXPECT_FALSE(found);
    EXPECT_TRUE(list.empty());
#endif
}

// 27 November 2021, 12:00 UTC; 44527 is that day's date number.
constexpr std::time_t kNoonUtc = 1638014400;
constexpr double kDayNumber = 44527.0;

void SetModificationTime(const std::filesystem::path& Path, std::time_t Time) {
    const auto system = std::chrono::system_clock::from_time_t(Time);
    std::filesystem::last_write_time(Path, std::chrono::file_clock::from_sys(system));
}

std::tm LocalTime(std::time_t Time) {
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &Time);
#else
    localtime_r(&Time, &local);
#endif
    return local;
}

// Sets LC_ALL for one test; the Linux date text follows the user's environment.
class TLocaleEnvironment {
public:
    explicit TLocaleEnvironment(const char* Value) {
#if !defined(_WIN32)
        if (const char* old = std::getenv("LC_ALL")) FOld = old;
        setenv("LC_ALL", Value, 1);
#else
        (void)Value;
#endif
    }
    ~TLocaleEnvironment() {
#if !defined(_WIN32)
        if (FOld.empty())
            unsetenv("LC_ALL");
        else
            setenv("LC_ALL", FOld.c_str(), 1);
#endif
    }

private:
    std::string FOld;
};

// On Linux the test picks a zone of its own (5:30 east of UTC), so that a
// date left in UTC shows; Windows under test keeps the machine's zone.
class TTimeZone {
public:
    TTimeZone() {
#if !defined(_WIN32)
        if (const char* old = std::getenv("TZ")) FOld = old;
        setenv("TZ", "KDT-5:30", 1);
        tzset();
#endif
    }
    ~TTimeZone() {
#if !defined(_WIN32)
        if (FOld)
            setenv("TZ", FOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

private:
    std::optional<std::string> FOld;
};

TEST(FileDates, AFileDateIsItsLocalModificationTimeAsADateNumber) {
    TTimeZone zone;
    TTempFolder folder;
    const std::filesystem::path file = folder.PathOf("dated.ostrik88p");
    Touch(file);
    SetModificationTime(file, kNoonUtc);
    const std::tm local = LocalTime(kNoonUtc);
    const double expected =
        kDayNumber + (local.tm_mday - 27) + ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) / 86400.0;
    EXPECT_NEAR(GetFileDateTime(folder.Text("dated.ostrik88p")), expected, 0.5 / 86400);
#if !defined(_WIN32)
    EXPECT_NEAR(GetFileDateTime(folder.Text("dated.ostrik88p")), kDayNumber + 17.5 / 24, 0.5 / 86400);
#endif

    TLocaleEnvironment locale("C");
    const std::string text = GetFileDateText(folder.Text("dated.ostrik88p"));
    const std::string day = std::to_string(local.tm_mday);
#if defined(_WIN32)
    // The user's short date format, whatever it is: day, month 11 and the year.
    EXPECT_NE(text.find(day), std::string::npos) << text;
    EXPECT_NE(text.find("11"), std::string::npos) << text;
    EXPECT_NE(text.find("21"), std::string::npos) << text;
#else
    EXPECT_EQ(text, "11/" + day + "/21");  // the C locale's short date
#endif
}

TEST(FileDates, NothingAtThePathGivesDateZero) {
    TTempFolder folder;
    TLocaleEnvironment locale("C");
    for (const std::string& path : {folder.Text("missing.ostrik88p"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(GetFileDateTime(path), 0.0);
        const std::string text = GetFileDateText(path);  // 30 December 1899
#if defined(_WIN32)
        EXPECT_NE(text.find("30"), std::string::npos) << text;
        EXPECT_NE(text.find("99"), std::string::npos) << text;
#else
        EXPECT_EQ(text, "12/30/99");
#endif
    }
}

TEST(FileDates, AFolderHasADateToo) {
    TTempFolder folder;
    std::filesystem::create_directory(folder.PathOf("sub"));
    EXPECT_GT(GetFileDateTime(folder.Text("sub")), kDayNumber);  // made just now
}

std::string ProgramFile() {
#if defined(_WIN32)
    return host::ProgramFolder() + "kandrel_common_tests.exe";
#else
    return host::ProgramFolder() + "kandrel_common_tests";
#endif
}

TEST(BuildDate, IsTheDateOfTheFileTheCodeWasLoadedFrom) {
    TLocaleEnvironment locale("C");
    const std::string zero = GetFileDateText("");
    EXPECT_EQ(GetBuildDate(), GetFileDateText(ProgramFile()));
    EXPECT_NE(GetBuildDate(), zero);

    // Inside a library the host loaded, it is the library's date, not the host program's.
    TTempFolder folder;
    const std::string fixture = host::ModuleFileName("kandrel_fixture_builddate");
    std::filesystem::copy_file(TTempFolder::FromUtf8(host::PluginPathBesideProgram(fixture)), folder.PathOf(fixture));
    SetModificationTime(folder.PathOf(fixture), kNoonUtc);
    const std::string libraryDate = GetFileDateText(folder.Text(fixture));
    ASSERT_NE(libraryDate, GetBuildDate());
    {
        host::TPluginLibrary library(folder.Text(fixture));
        host::THostedPlugin plugin(library);
        EXPECT_EQ(plugin.StringRequest(vst2::effGetVendorString), libraryDate);
    }
}

struct TStartRequest {
    std::string Program, Parameters;
};
std::vector<TStartRequest> gStarted;
bool gStartAnswer = true;

bool RecordStart(const std::string& Program, const std::string& Parameters) {
    gStarted.push_back({Program, Parameters});
    return gStartAnswer;
}

TEST(ShowInExplorer, AsksTheSystemToOpenTheFolderAndReportsWhetherItStarted) {
    const TStartProgram previous = SetStartProgram(&RecordStart);
    gStarted.clear();
    const std::string folder = "Presets \"and\" more";
    gStartAnswer = true;
    EXPECT_TRUE(ShowInExplorer(folder));
    gStartAnswer = false;
    EXPECT_FALSE(ShowInExplorer(folder));
    SetStartProgram(previous);

    ASSERT_EQ(gStarted.size(), 2u);
#if defined(_WIN32)
    EXPECT_EQ(gStarted[0].Program, "explorer.exe");
    EXPECT_EQ(gStarted[0].Parameters, "/e,\"" + folder + "\"");
#else
    EXPECT_EQ(gStarted[0].Program, "xdg-open");
    EXPECT_EQ(gStarted[0].Parameters, folder);
#endif
}

}  // namespace
}  // namespace kandrel
