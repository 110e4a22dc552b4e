// The presets folder that plug-in instances created during a test use, so that
// tests never touch the user's own documents:
//  - Linux: a new temporary documents folder, XDG_DOCUMENTS_DIR pointing at it
//    (restored afterwards);
//  - Windows: the documents folder of the private wine prefix that
//    scripts/with-wine.sh sets up; outside it (a real Windows account) the
//    folder is not touched and Available() is false.
// Files written through it are removed again, and the folders it made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kandrel::test {

class TTestPresetsFolder {
public:
    TTestPresetsFolder();
    ~TTestPresetsFolder();
    TTestPresetsFolder(const TTestPresetsFolder&) = delete;
    TTestPresetsFolder& operator=(const TTestPresetsFolder&) = delete;

    bool Available() const noexcept { return !FPath.empty(); }
    // Documents + Ostrik88/Kandrel/Presets with a trailing separator, UTF-8.
    const std::string& Path() const noexcept { return FPath; }
    // Writes Name (with extension) into the folder.
    void WriteFile(const std::string& Name, const std::vector<uint8_t>& Bytes);
    void RemoveFile(const std::string& Name);

private:
    std::string FPath;
    std::string FTemporaryDocuments;  // Linux: removed with everything in it
    bool FHadDocumentsVariable = false;
    std::string FSavedDocumentsVariable;
    std::vector<std::string> FCreatedFolders;  // Windows: innermost last
    std::vector<std::string> FWritten;
};

}  // namespace kandrel::test
