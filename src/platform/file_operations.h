// File-system operations of a conversion: copying without overwriting, deleting and existence
// tests.
#pragma once

#include <string>

namespace kadoro {

enum class CopyOutcome {
    Copied,        // the target exists with the source's bytes, times and permission bits
    TargetExists,  // something already stands at the target path; it is untouched
    Failed,        // nothing new stands at the target path
};

// Whether CopyFileNoOverwrite flushes the target's folder itself. A run that keeps its sources
// may flush the folder once at its end instead: a copy whose name is lost in a crash before then
// still has its source, and the file itself is always on disk before it gets a name.
enum class FolderFlush { BeforeReturn, ByCaller };

// Copies source to target. The copy never replaces an existing file, never leaves a partial file
// under the target name, keeps the source's last-write time and permission bits, and is flushed
// to disk (file, and with BeforeReturn its folder) before the call returns Copied, so the source
// may then be deleted safely.
CopyOutcome CopyFileNoOverwrite(const std::string& source, const std::string& target,
                                FolderFlush folderFlush = FolderFlush::BeforeReturn);

// Flushes the folder's entries (names made, removed or renamed in it) to disk.
bool FlushFolder(const std::string& folder);

enum class DeleteOutcome { Deleted, ReadOnly, Failed };

// Deletes the file at path. A file without any write permission bit is read-only and is refused,
// as Windows refuses to delete read-only files.
DeleteOutcome DeleteFileChecked(const std::string& path);

// True when anything (file, folder, link) stands at path. A test that cannot be made counts as
// nothing there: the copy then decides.
bool PathExists(const std::string& path);

// True when both texts name the same existing folder, however they are spelled.
bool IsSameFolder(const std::string& first, const std::string& second);

}  // namespace kadoro
