// Reading a folder's entry names with POSIX calls.
#include "platform/folder_entry_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/path_text.h"

namespace kadoro {
namespace {

bool IsSubFolder(DIR* dir, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
    // Some file systems do not report the kind while listing.
    struct stat status {};
    return ::fstatat(::dirfd(dir), entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

FolderEntryNames::FolderEntryNames(const std::string& folder) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (IsSubFolder(dir.get(), *entry)) continue;  // "." and ".." among them
        byUpperName_[AsciiUpper(entry->d_name)].emplace_back(entry->d_name);
    }
    for (auto& [upper, names] : byUpperName_)
        std::sort(names.begin(), names.end());
}

std::optional<std::string> FolderEntryNames::FindIgnoringCase(std::string_view name) const {
    const auto found = byUpperName_.find(AsciiUpper(name));
    if (found == byUpperName_.end()) return std::nullopt;
    const std::vector<std::string>& names = found->second;
    if (std::find(names.begin(), names.end(), name) != names.end()) return std::string(name);
    return names.front();
}

}  // namespace kadoro
