// Folder listing with POSIX calls.
#include "platform/folder_listing.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/path_text.h"

namespace kadoro {
namespace {

std::vector<std::string> SplitMask(std::string_view mask) {
    std::vector<std::string> patterns;
    while (!mask.empty()) {
        const auto semicolon = mask.find(';');
        const auto pattern = mask.substr(0, semicolon);
        if (!pattern.empty()) patterns.emplace_back(pattern);
        if (semicolon == std::string_view::npos) break;
        mask.remove_prefix(semicolon + 1);
    }
    return patterns;
}

bool MatchesAny(const std::vector<std::string>& patterns, const char* name) {
    return std::any_of(patterns.begin(), patterns.end(), [name](const std::string& pattern) {
        return ::fnmatch(pattern.c_str(), name, FNM_CASEFOLD) == 0;
    });
}

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The visible entries of folder that keep accepts, sorted by name ignoring ASCII case; an
// unreadable folder gives its error and no names.
template <typename Keep>
FolderListing ListVisibleEntries(const std::string& folder, Keep keep) {
    FolderListing listing;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        listing.error = std::error_code(errno, std::generic_category());
        return listing;
    }
    std::vector<std::string>& names = listing.names;
    for (;;) {
        // readdir leaves errno alone at the end of the folder and sets it on a failure.
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) {
                listing.error = std::error_code(errno, std::generic_category());
                names.clear();
                return listing;
            }
            break;
        }
        if (entry->d_name[0] == '.') continue;
        if (keep(*entry)) names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = AsciiUpper(a), upperB = AsciiUpper(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return listing;
}

bool IsFolderEntry(const std::string& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
    struct stat status {};
    return ::stat(JoinFolderPath(folder, entry.d_name).c_str(), &status) == 0 &&
           S_ISDIR(status.st_mode);
}

}  // namespace

FolderListing ListFolderFiles(const std::string& folder, std::string_view mask) {
    const auto patterns = SplitMask(mask);
    return ListVisibleEntries(folder, [&](const dirent& entry) {
        return MatchesAny(patterns, entry.d_name) &&
               IsRegularFile(JoinFolderPath(folder, entry.d_name));
    });
}

FolderListing ListSubFolders(const std::string& folder) {
    return ListVisibleEntries(folder,
                              [&](const dirent& entry) { return IsFolderEntry(folder, entry); });
}

bool IsExistingFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace kadoro
