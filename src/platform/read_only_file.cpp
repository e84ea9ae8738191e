// Positioned reads of a read-only file with POSIX calls.
#include "platform/read_only_file.h"

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>
#include <cerrno>

#include <limits>

#include "platform/file_opening.h"

namespace kadoro {

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const std::string& path) {
    // O_NONBLOCK, which keeps a FIFO that carries a camera file's name from hanging the open, is
    // cleared again so that the reads behave as on any regular file.
    UniqueFd fd = OpenForReading(path);
    if (!fd) return std::nullopt;
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    return ReadOnlyFile(std::move(fd));
}

std::optional<std::size_t> ReadOnlyFile::ReadAt(std::uint64_t offset,
                                                std::span<std::uint8_t> out) const {
    constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    std::size_t filled = 0;
    while (filled < out.size()) {
        // An offset that off_t cannot hold lies past the end of any file.
        if (offset > kMaxOffset || filled > kMaxOffset - offset) break;
        const ssize_t got = ::pread(fd_.get(), out.data() + filled, out.size() - filled,
                                    static_cast<off_t>(offset + filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

}  // namespace kadoro
