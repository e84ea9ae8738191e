// A real, nearly full disk for tests: a size-limited tmpfs mounted inside a temporary folder.
#pragma once

#include <cstddef>
#include <string>

namespace kadoro::test {

class SmallDisk {
public:
    // Mounts a tmpfs of the given size at folder; mounting needs root (as in CI).
    SmallDisk(const std::string& folder, std::size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& path() const { return folder_; }

private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace kadoro::test
