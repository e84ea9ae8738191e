// Opening a file for reading with POSIX calls.
#include "platform/file_opening.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace kadoro {

UniqueFd OpenForReading(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) return fd;
    struct stat status {};
    if (::fstat(fd.get(), &status) == 0 && S_ISDIR(status.st_mode)) {
        fd.Reset();
        errno = EISDIR;
    }
    return fd;
}

}  // namespace kadoro
