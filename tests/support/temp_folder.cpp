// Temporary folders for tests.
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kadoro::test {

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kadoro-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests make folders read-only; give the owner write access back so that all can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Join(std::string_view name) const {
    return path_ + "/" + std::string(name);
}

std::string TempFolder::MakeFolder(std::string_view name) const {
    const std::string folder = Join(name);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace kadoro::test
