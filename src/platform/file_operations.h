// File-system operations of a conversion: copying without overwriting, deleting and existence
// tests.
#pragma once

#include <string>

#include "platform/file_identity.h"

namespace kadoro {

enum class CopyOutcome {
    Copied,        // the target exists with the source's bytes, times and permission bits
    TargetExists,  // something already stands at the target path; it is untouched
    Failed,        // nothing new stands at the target path
};

// Copies source to target on its own (a run copies through its pipeline instead). The copy never
// replaces an existing file, never leaves a partial file under the target name, keeps the
// source's last-write time and permission bits, fails when the source changes while it is
// copied, and is durable, name included, before the call returns Copied.
CopyOutcome CopyFileNoOverwrite(const std::string& source, const std::string& target);

// Flushes the folder's entries (names made, removed or renamed in it) to disk.
bool FlushFolder(const std::string& folder);

enum class DeleteOutcome {
    Deleted,
    ReadOnly,  // no write permission bit: refused, as Windows refuses read-only files
    Changed,   // not the file that was copied any more: left alone
    Failed,
};

// Deletes the file at path. With expected, only when the name still leads to that file with that
// size and last-write time.
DeleteOutcome DeleteFileChecked(const std::string& path, const FileIdentity* expected = nullptr);

// True when anything (file, folder, link) stands at path. A test that cannot be made counts as
// nothing there: the copy then decides.
bool PathExists(const std::string& path);

// True when both texts name the same existing folder, however they are spelled.
bool IsSameFolder(const std::string& first, const std::string& second);

// The folder part of a path: "." for a bare name, "/" for a name at the root.
std::string FolderOf(const std::string& path);

}  // namespace kadoro
