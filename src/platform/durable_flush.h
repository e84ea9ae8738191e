// Flushes to disk through one door, so that tests can make any of them fail.
#pragma once

namespace kadoro {

// Each returns true when the data is on disk; false with errno set otherwise.
bool FlushFileData(int fd);         // one file's data and attributes (fsync)
bool FlushFolderEntries(int fd);    // the names made or removed in an open folder (fsync)
bool FlushWholeFileSystem(int fd);  // everything written to fd's file system so far (syncfs)

}  // namespace kadoro
