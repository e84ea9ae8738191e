// What makes a source file the file that was copied: the same file, the same size, the same
// last-write time. A source whose identity changed between copy and deletion is not deleted.
#pragma once

#include <cstdint>

namespace kadoro {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

}  // namespace kadoro
