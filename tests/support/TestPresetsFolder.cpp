#include "tests/support/TestPresetsFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/JovCommon.h"
#include "host/Utf8Path.h"

namespace kandrel::test {

namespace fs = std::filesystem;

namespace {
#if defined(_WIN32)
constexpr const char* kSeparator = "\\";
#else
constexpr const char* kSeparator = "/";
#endif
}  // namespace

TTestPresetsFolder::TTestPresetsFolder() {
    std::string documents;
#if defined(_WIN32)
    if (std::getenv("KANDREL_WINE_ENV") == nullptr) return;  // a real account's documents
    documents = GetDocumentsFolder();
    if (documents.empty()) return;
#else
    if (const char* old = std::getenv("XDG_DOCUMENTS_DIR")) {
        FHadDocumentsVariable = true;
        FSavedDocumentsVariable = old;
    }
    std::string pattern = (fs::temp_directory_path() / "kandrel-documents-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    FTemporaryDocuments = pattern;
    documents = pattern;
    setenv("XDG_DOCUMENTS_DIR", documents.c_str(), 1);
#endif
    std::string folder = documents;
    for (const char* part : {"Ostrik88", "Kandrel", "Presets"}) {
        folder += kSeparator;
        folder += part;
        if (fs::create_directory(host::PathFromUtf8(folder))) FCreatedFolders.push_back(folder);
    }
    FPath = folder + kSeparator;
}

TTestPresetsFolder::~TTestPresetsFolder() {
    std::error_code ignored;
    for (const std::string& name : FWritten) fs::remove(host::PathFromUtf8(FPath + name), ignored);
    for (auto it = FCreatedFolders.rbegin(); it != FCreatedFolders.rend(); ++it)
        fs::remove(host::PathFromUtf8(*it), ignored);  // only when empty
#if !defined(_WIN32)
    if (!FTemporaryDocuments.empty()) fs::remove_all(FTemporaryDocuments, ignored);
    if (FHadDocumentsVariable)
        setenv("XDG_DOCUMENTS_DIR", FSavedDocumentsVariable.c_str(), 1);
    else
        unsetenv("XDG_DOCUMENTS_DIR");
#endif
}

void TTestPresetsFolder::WriteFile(const std::string& Name, const std::vector<uint8_t>& Bytes) {
    if (!Available()) throw std::logic_error("no presets folder for tests here");
    std::ofstream file(host::PathFromUtf8(FPath + Name), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + FPath + Name);
    FWritten.push_back(Name);
}

void TTestPresetsFolder::RemoveFile(const std::string& Name) {
    std::error_code ignored;
    fs::remove(host::PathFromUtf8(FPath + Name), ignored);
}

}  // namespace kandrel::test
