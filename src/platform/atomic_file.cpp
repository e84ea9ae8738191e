// Atomic replacement of a file with POSIX calls.
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include "platform/durable_flush.h"
#include "platform/file_operations.h"
#include "platform/unique_fd.h"

namespace kadoro {

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    std::string temporary = path + ".XXXXXX";
    UniqueFd file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file) return false;
    bool written = ::fchmod(file.get(), 0644) == 0;
    for (std::size_t done = 0; written && done < content.size();) {
        const ssize_t step = ::write(file.get(), content.data() + done, content.size() - done);
        if (step < 0 && errno == EINTR) continue;
        if (step <= 0)
            written = false;
        else
            done += static_cast<std::size_t>(step);
    }
    written = written && FlushFileData(file.get()) && file.Close();
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    FlushFolder(FolderOf(path));
    return true;
}

}  // namespace kadoro
