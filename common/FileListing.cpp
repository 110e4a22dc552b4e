#include <atomic>

#include "common/FileListingPlatform.h"
#include "common/JovCommon.h"

namespace kandrel {

namespace {

std::atomic<TStartProgram> gStartProgram{nullptr};

}  // namespace

// Masks are separated by ";" and searched one after the other; the result is
// the last search's.
bool ListFiles(const std::string& FileMask, int32_t Attributes, std::vector<std::string>& List) {
    std::string folder;
    std::string_view masks;
    if (!platform::SplitFileMask(FileMask, folder, masks)) return false;
    platform::TFolderSearch search;
    size_t start = 0;
    for (;;) {
        const size_t end = masks.find(';', start);
        const std::string mask(TrimBlanks(masks.substr(start, end == std::string_view::npos ? end : end - start)));
        search = platform::SearchFolder(folder, mask, Attributes, List);
        platform::SortIgnoringCase(List);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return search.Found && search.Ended;
}

TStartProgram SetStartProgram(TStartProgram Start) noexcept { return gStartProgram.exchange(Start); }

bool ShowInExplorer(const std::string& Folder) {
    const TStartProgram start = gStartProgram.load();
    const auto [program, parameters] = platform::FileManagerCommand(Folder);
    return (start != nullptr ? start : &platform::StartProgram)(program, parameters);
}

}  // namespace kandrel
