// Flushes with POSIX and Linux calls, each first asking the injected faults.
#include "platform/durable_flush.h"

#include <unistd.h>
#include <cerrno>

#include "platform/fault_injection.h"

namespace kadoro {
namespace {

bool InjectedFailure(FlushTarget target) {
    const auto& flushError = ActiveFaults().flushError;
    if (!flushError) return false;
    const int error = flushError(target);
    if (error == 0) return false;
    errno = error;
    return true;
}

}  // namespace

bool FlushFileData(int fd) {
    return !InjectedFailure(FlushTarget::File) && ::fsync(fd) == 0;
}

bool FlushFolderEntries(int fd) {
    return !InjectedFailure(FlushTarget::Folder) && ::fsync(fd) == 0;
}

bool FlushWholeFileSystem(int fd) {
    return !InjectedFailure(FlushTarget::FileSystem) && ::syncfs(fd) == 0;
}

}  // namespace kadoro
