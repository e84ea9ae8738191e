// A file's identity from its POSIX status.
#pragma once

#include <sys/stat.h>

#include "platform/file_identity.h"

namespace kadoro {

inline FileIdentity IdentityOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

}  // namespace kadoro
