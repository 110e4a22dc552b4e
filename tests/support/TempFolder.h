// A fresh, empty folder under the system's temporary folder for one test,
// removed with everything in it afterwards.
#pragma once

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace kandrel::test {

class TTempFolder {
public:
    TTempFolder() {
        std::random_device device;
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = std::filesystem::temp_directory_path() /
                ("kandrel-test-" + std::to_string(device()) + "-" + std::to_string(tick));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // UTF-8, with a trailing separator: ready for a file name or a mask.
    std::string Text() const { return Utf8(FPath / ""); }
    std::string Text(std::string_view Name) const { return Utf8(FPath / FromUtf8(Name)); }
    std::filesystem::path PathOf(std::string_view Name) const { return FPath / FromUtf8(Name); }

    static std::filesystem::path FromUtf8(std::string_view Text) {
        return std::filesystem::path(std::u8string(Text.begin(), Text.end()));
    }
    static std::string Utf8(const std::filesystem::path& Path) {
        const std::u8string text = Path.u8string();
        return std::string(text.begin(), text.end());
    }

private:
    std::filesystem::path FPath;
};

}  // namespace kandrel::test
