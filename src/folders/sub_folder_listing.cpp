// Sub-folder listing with POSIX calls.
#include "folders/sub_folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/path_text.h"

namespace kadoro {
namespace {

bool IsFolderEntry(const std::string& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
    struct stat status {};
    return ::stat(JoinFolderPath(folder, entry.d_name).c_str(), &status) == 0 &&
           S_ISDIR(status.st_mode);
}

}  // namespace

FolderListing ListSubFolders(const std::string& folder) {
    FolderListing listing;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        listing.error = std::error_code(errno, std::generic_category());
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) {
                listing.error = std::error_code(errno, std::generic_category());
                listing.names.clear();
                return listing;
            }
            break;
        }
        if (entry->d_name[0] == '.') continue;
        if (IsFolderEntry(folder, *entry)) listing.names.emplace_back(entry->d_name);
    }
    std::sort(listing.names.begin(), listing.names.end(),
              [](const std::string& a, const std::string& b) {
                  const std::string upperA = AsciiUpper(a), upperB = AsciiUpper(b);
                  return upperA != upperB ? upperA < upperB : a < b;
              });
    return listing;
}

}  // namespace kadoro
