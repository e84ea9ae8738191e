// Files for tests.
#include "support/fixture_files.h"

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kadoro::test {

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void SetLastWriteTime(const std::string& path, std::time_t seconds) {
    const utimbuf times{seconds, seconds};
    if (::utime(path.c_str(), &times) != 0) throw std::runtime_error("utime " + path);
}

std::time_t LastWriteTime(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) throw std::runtime_error("stat " + path);
    return status.st_mtime;
}

unsigned PermissionBits(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) throw std::runtime_error("stat " + path);
    return status.st_mode & 07777;
}

void SetPermissionBits(const std::string& path, unsigned bits) {
    if (::chmod(path.c_str(), bits) != 0) throw std::runtime_error("chmod " + path);
}

}  // namespace kadoro::test
