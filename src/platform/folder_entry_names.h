// Finding a file of one folder by name without regard to letter case, as Windows finds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kadoro {

// The names of a folder's entries other than sub-folders, read once when constructed; an
// unreadable folder holds none. Later changes to the folder are not seen.
class FolderEntryNames {
public:
    explicit FolderEntryNames(const std::string& folder);

    // The entry whose name equals name without regard to ASCII letter case: name itself when the
    // folder holds it spelled exactly so, else the first such entry in byte order; nothing when
    // there is none.
    std::optional<std::string> FindIgnoringCase(std::string_view name) const;

private:
    // Upper-cased name to the entries that share it, in byte order.
    std::unordered_map<std::string, std::vector<std::string>> byUpperName_;
};

}  // namespace kadoro
