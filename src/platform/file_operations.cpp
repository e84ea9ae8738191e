// File-system operations with POSIX calls. The copy goes to a temporary name in the destination
// folder first and is linked into place only when complete and on disk.
#include "platform/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include <array>
#include <vector>

#include "platform/path_text.h"
#include "platform/unique_fd.h"

namespace kadoro {
namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool CopyWithReadWrite(int from, int to) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(got))) return false;
    }
}

// Copies the size bytes of from (at its start) to to (empty, at its start).
bool CopyBytes(int from, int to, off_t size) {
    off_t done = 0;
    while (done < size) {
        const ssize_t moved =
            ::copy_file_range(from, nullptr, to, nullptr, static_cast<std::size_t>(size - done), 0);
        if (moved < 0 && errno == EINTR) continue;
        if (moved < 0 && done == 0 &&
            (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            return CopyWithReadWrite(from, to);  // no in-kernel copy between these files
        }
        if (moved <= 0) return false;  // an error, or the source shrank under us
        done += moved;
    }
    return true;
}

// Writes the source's content, permission bits and times into the open target and flushes it.
bool FillCopy(int from, const struct stat& sourceStat, UniqueFd& to) {
    const std::array<timespec, 2> times = {sourceStat.st_atim, sourceStat.st_mtim};
    return CopyBytes(from, to.get(), sourceStat.st_size) &&
           ::fchmod(to.get(), sourceStat.st_mode & 0777) == 0 &&
           ::futimens(to.get(), times.data()) == 0 && ::fsync(to.get()) == 0 && to.Close();
}

enum class LinkOutcome { Linked, TargetExists, Unsupported, Failed };

// Puts the finished temporary file in place under the target name, never replacing anything.
LinkOutcome LinkIntoPlace(const std::string& temporary, const std::string& target) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return LinkOutcome::Linked;
    }
    if (errno == EEXIST) return LinkOutcome::TargetExists;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EPERM) {
        return LinkOutcome::Failed;
    }
    // No RENAME_NOREPLACE here: a hard link is just as safe where the file system has them.
    if (::link(temporary.c_str(), target.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return LinkOutcome::Linked;
    }
    if (errno == EEXIST) return LinkOutcome::TargetExists;
    if (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS) return LinkOutcome::Unsupported;
    return LinkOutcome::Failed;
}

// For file systems without either (FAT memory cards): create the target itself exclusively and
// remove it again if the copy does not complete.
CopyOutcome CopyDirectlyToTarget(int from, const struct stat& sourceStat,
                                 const std::string& target) {
    UniqueFd to(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!to) return errno == EEXIST ? CopyOutcome::TargetExists : CopyOutcome::Failed;
    if (::lseek(from, 0, SEEK_SET) != 0 || !FillCopy(from, sourceStat, to)) {
        to.Reset();
        ::unlink(target.c_str());
        return CopyOutcome::Failed;
    }
    FlushFolder(FolderOf(target));
    return CopyOutcome::Copied;
}

}  // namespace

CopyOutcome CopyFileNoOverwrite(const std::string& source, const std::string& target,
                                FolderFlush folderFlush) {
    UniqueFd from(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!from) return CopyOutcome::Failed;
    struct stat sourceStat {};
    if (::fstat(from.get(), &sourceStat) != 0 || !S_ISREG(sourceStat.st_mode)) {
        return CopyOutcome::Failed;
    }
    if (PathExists(target)) return CopyOutcome::TargetExists;

    const std::string folder = FolderOf(target);
    std::string temporary = JoinFolderPath(folder, ".kadoro-copy-XXXXXX");
    UniqueFd to(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!to) return CopyOutcome::Failed;
    if (!FillCopy(from.get(), sourceStat, to)) {
        to.Reset();
        ::unlink(temporary.c_str());
        return CopyOutcome::Failed;
    }
    switch (LinkIntoPlace(temporary, target)) {
        case LinkOutcome::Linked:
            if (folderFlush == FolderFlush::BeforeReturn) FlushFolder(folder);
            return CopyOutcome::Copied;
        case LinkOutcome::TargetExists:
            ::unlink(temporary.c_str());
            return CopyOutcome::TargetExists;
        case LinkOutcome::Unsupported:
            ::unlink(temporary.c_str());
            return CopyDirectlyToTarget(from.get(), sourceStat, target);
        case LinkOutcome::Failed:
            break;
    }
    ::unlink(temporary.c_str());
    return CopyOutcome::Failed;
}

bool FlushFolder(const std::string& folder) {
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd && ::fsync(fd.get()) == 0;
}

DeleteOutcome DeleteFileChecked(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return DeleteOutcome::Failed;
    if (S_ISDIR(status.st_mode)) return DeleteOutcome::Failed;
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
