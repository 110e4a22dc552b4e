// What ListFiles and ShowInExplorer need from each platform; the rules they
// share (masks, result, the replaceable program starter) live in FileListing.cpp.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kandrel::platform {

struct TFolderSearch {
    bool Found = false;  // an entry passed the attribute filter
    bool Ended = false;  // the search ran to its end (the no-more-files code) without an error
};

// FileMask's folder part, ending in a separator, and the masks after it;
// false when FileMask has no folder part.
bool SplitFileMask(const std::string& FileMask, std::string& Folder, std::string_view& Masks);
// Adds the plain files in Folder matching Mask to List; folders and the
// entry kinds Attributes admits only count as found.
TFolderSearch SearchFolder(const std::string& Folder, const std::string& Mask, int32_t Attributes,
                           std::vector<std::string>& List);
// Case-insensitive, as the platform's own lists sort; names equal but for
// case keep a fixed order.
void SortIgnoringCase(std::vector<std::string>& List);
// The program, and its parameters, that show Folder in the file manager.
std::pair<std::string, std::string> FileManagerCommand(const std::string& Folder);
// Starts Program with Parameters without waiting for it; false when it could not start.
bool StartProgram(const std::string& Program, const std::string& Parameters);

}  // namespace kandrel::platform
