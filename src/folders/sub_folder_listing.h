// The visible sub-folders of one folder, as the folder lists show them.
#pragma once

#include <string>

#include "platform/folder_listing.h"

namespace kadoro {

// Names of the sub-folders of folder (links to folders included), without hidden ones, sorted by
// name ignoring ASCII case. An unreadable folder gives its error and no names.
FolderListing ListSubFolders(const std::string& folder);

}  // namespace kadoro
