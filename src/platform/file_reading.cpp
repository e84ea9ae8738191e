// Reading the first bytes of a file with POSIX calls.
#include "platform/file_reading.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include "platform/unique_fd.h"

namespace kadoro {

FilePrefix ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    FilePrefix result;
    // O_NONBLOCK keeps a FIFO that carries a camera file's name from hanging the open; it is
    // cleared again so that the reads below behave as on any regular file.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) return result;
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);

    result.bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd.get(), result.bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.bytes.clear();
            result.status = FilePrefix::Status::ReadFailed;
            return result;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    result.bytes.resize(filled);
    result.status = FilePrefix::Status::Read;
    return result;
}

}  // namespace kadoro
