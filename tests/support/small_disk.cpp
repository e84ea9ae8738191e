// Size-limited tmpfs mounts for disk-full tests.
#include "support/small_disk.h"

#include <sys/mount.h>

#include <filesystem>

namespace kadoro::test {

SmallDisk::SmallDisk(const std::string& folder, std::size_t bytes) : folder_(folder) {
    std::filesystem::create_directories(folder);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

}  // namespace kadoro::test
