// Opening a file for reading: the one rule of what the readers and the report can open.
#pragma once

#include <string>

#include "platform/unique_fd.h"

namespace kadoro {

// Opens path read-only with O_NONBLOCK set, so that a FIFO does not hang the open; callers that
// read clear it. A folder is refused with errno EISDIR: POSIX opens it, but it is never a file a
// name in the file list stands for. Devices and FIFOs open. An empty UniqueFd on failure, errno
// set.
UniqueFd OpenForReading(const std::string& path);

}  // namespace kadoro
