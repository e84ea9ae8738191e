// The files of one folder that a file-list mask selects, in the order the source file list shows.
#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/system_texts.h"

namespace kadoro {

// The mask of the source file list at start: the three camera file kinds.
inline constexpr std::string_view kCameraFileMask = texts::kStartMask;

struct FolderListing {
    std::vector<std::string> names;
    // Set when the folder could not be opened or read to its end; names is then empty, so that an
    // unreadable folder is never taken for an empty one.
    std::error_code error;
};

// Names (no folder part) of the regular files in folder that match any pattern of the
// semicolon-separated mask, without regard to case; hidden files and folders are left out. Sorted
// by name ignoring ASCII case.
FolderListing ListFolderFiles(const std::string& folder, std::string_view mask);

// Names of the sub-folders of folder (links to folders included), without hidden ones, sorted
// by name ignoring ASCII case. An unreadable folder gives its error and no names.
FolderListing ListSubFolders(const std::string& folder);

// True when path names an existing folder (links followed).
bool IsExistingFolder(const std::string& path);

}  // namespace kadoro
