// File-system operations with POSIX calls. A single copy is staged in the destination folder and
// gets its name only when complete and on disk.
#include "platform/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "platform/durable_flush.h"
#include "platform/path_text.h"
#include "platform/staged_copy.h"
#include "platform/stat_identity.h"
#include "platform/unique_fd.h"

namespace kadoro {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

CopyOutcome CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    auto folder = DestinationFolder::Open(FolderOf(target));
    if (!folder) return CopyOutcome::Failed;
    const std::string name(FileNamePart(target));
    if (PathExists(target)) return CopyOutcome::TargetExists;

    StagedCopy copy;
    switch (folder->Stage(source, name, copy)) {
        case StageResult::Staged:
            break;
        case StageResult::TargetExists:
            return CopyOutcome::TargetExists;
        case StageResult::SourceChanged:
        case StageResult::Failed:
            return CopyOutcome::Failed;
    }
    const std::array<StagedCopy*, 1> copies = {&copy};
    if (!folder->MakeDurable(copies)) {
        folder->Discard(copy);
        return CopyOutcome::Failed;
    }
    switch (folder->Place(copy, name)) {
        case PlaceResult::Placed:
            break;
        case PlaceResult::TargetExists:
            folder->Discard(copy);
            return CopyOutcome::TargetExists;
        case PlaceResult::Failed:
            folder->Discard(copy);
            return CopyOutcome::Failed;
    }
    if (!folder->FlushEntries()) {
        // The name may not survive a crash; the caller must not treat the copy as safe.
        folder->Remove(name);
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}

bool FlushFolder(const std::string& folder) {
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd && FlushFolderEntries(fd.get());
}

DeleteOutcome DeleteFileChecked(const std::string& path, const FileIdentity* expected) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return DeleteOutcome::Failed;
    if (S_ISDIR(status.st_mode)) return DeleteOutcome::Failed;
    if (expected) {
        // The name may be a link to the file that was copied; the file itself must be unchanged.
        struct stat file {};
        if (::stat(path.c_str(), &file) != 0) return DeleteOutcome::Failed;
        if (IdentityOf(file) != *expected) return DeleteOutcome::Changed;
    }
    if (S_ISREG(status.st_mode) && (status.st_mode & 0222) == 0) return DeleteOutcome::ReadOnly;
    return ::unlink(path.c_str()) == 0 ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

bool PathExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool IsSameFolder(const std::string& first, const std::string& second) {
    if (first == second) return true;
    struct stat a {
    }, b{};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace kadoro
