// Staged copies with POSIX and Linux calls: O_TMPFILE or a hidden temporary, copy_file_range,
// sync_file_range to start the write-back, and linkat or renameat2(RENAME_NOREPLACE) to place.
#include "platform/staged_copy.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <vector>

#include "platform/durable_flush.h"
#include "platform/fault_injection.h"
#include "platform/stat_identity.h"

namespace kadoro {
namespace {

// The largest piece handed to the kernel at once; the copy goes on until the source's end.
constexpr std::size_t kCopyPiece = std::size_t{16} << 20;

// A hidden name for a temporary that no photograph's new name can take (those never begin with
// a dot) and that two processes do not share.
std::string TemporaryName() {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    char name[64];
    std::snprintf(name, sizeof name, ".kadoro-copy-%d-%u-%llx", static_cast<int>(::getpid()),
                  counter.fetch_add(1), static_cast<unsigned long long>(ticks) & 0xffffffULL);
    return name;
}

UniqueFd CreateNamedTemporary(int folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName();
        UniqueFd fd(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd || errno != EEXIST) return fd;
    }
    return UniqueFd();
}

UniqueFd CreateUnnamedTemporary(int folder) {
    return UniqueFd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
}

// Links an O_TMPFILE file into the folder under name; fails with EEXIST when the name is taken.
bool LinkUnnamed(int file, int folder, const std::string& name) {
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", file);
    if (::linkat(AT_FDCWD, procPath, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != ENOENT) return false;
    // Without /proc, a process allowed to may link the descriptor itself.
    return ::linkat(file, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;
}

bool NoRenameNoReplace(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

enum class NamedPlacing { Rename, Link, None };

// Tries, with two hidden names, which way this folder's file system places a named temporary.
NamedPlacing ProbeNamedPlacing(int folder) {
    std::string first;
    if (!CreateNamedTemporary(folder, first)) return NamedPlacing::Rename;  // Stage will say why
    const std::string second = TemporaryName();
    NamedPlacing placing = NamedPlacing::None;
    if (::renameat2(folder, first.c_str(), folder, second.c_str(), RENAME_NOREPLACE) == 0) {
        placing = NamedPlacing::Rename;
        ::unlinkat(folder, second.c_str(), 0);
        return placing;
    }
    if (NoRenameNoReplace(errno) &&
        ::linkat(folder, first.c_str(), folder, second.c_str(), 0) == 0) {
        placing = NamedPlacing::Link;
        ::unlinkat(folder, second.c_str(), 0);
    }
    ::unlinkat(folder, first.c_str(), 0);
    return placing;
}

bool UnnamedTemporariesWork(int folder) {
    UniqueFd probe = CreateUnnamedTemporary(folder);
    if (!probe) return false;
    const std::string name = TemporaryName();
    if (!LinkUnnamed(probe.get(), folder, name)) return false;
    ::unlinkat(folder, name.c_str(), 0);
    return true;
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

// Copies from the current position of from to its end, however far that is by now; a source that
// runs past expectedSize has changed, and the copy stops there rather than chase a growing file.
bool CopyToEnd(int from, int to, const std::string& sourcePath, std::int64_t expectedSize,
               std::int64_t& copied) {
    bool inKernel = true;
    std::vector<char> buffer;
    for (;;) {
        ssize_t moved = 0;
        if (inKernel) {
            moved = ::copy_file_range(from, nullptr, to, nullptr, kCopyPiece, 0);
            if (moved < 0 && errno == EINTR) continue;
            if (moved < 0 && copied == 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                inKernel = false;  // no in-kernel copy between these files
                continue;
            }
        } else {
            buffer.resize(std::size_t{1} << 20);
            moved = ::read(from, buffer.data(), buffer.size());
            if (moved < 0 && errno == EINTR) continue;
            if (moved > 0 && !WriteAll(to, buffer.data(), static_cast<std::size_t>(moved))) {
                return false;
            }
        }
        if (moved < 0) return false;
        if (moved == 0) return true;
        copied += moved;
        if (copied > expectedSize) return true;
        if (const auto& hook = ActiveFaults().afterCopyPiece) hook(sourcePath);
    }
}

}  // namespace

std::optional<DestinationFolder> DestinationFolder::Open(const std::string& path) {
    UniqueFd folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder) return std::nullopt;
    StagingMethod method = StagingMethod::UnnamedTemporary;
    if (!UnnamedTemporariesWork(folder.get())) {
        method = ProbeNamedPlacing(folder.get()) == NamedPlacing::None
                     ? StagingMethod::DirectExclusive
                     : StagingMethod::NamedTemporary;
    }
    return DestinationFolder(path, std::move(folder), method);
}

std::optional<DestinationFolder> DestinationFolder::OpenWithMethod(const std::string& path,
                                                                   StagingMethod method) {
    UniqueFd folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder) return std::nullopt;
    return DestinationFolder(path, std::move(folder), method);
}

StageResult DestinationFolder::Stage(const std::string& sourcePath, const std::string& targetName,
                                     StagedCopy& copy) const {
    // O_NONBLOCK keeps a FIFO under a camera file's name from hanging the open.
    UniqueFd from(::open(sourcePath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!from) return StageResult::Failed;
    struct stat before {};
    if (::fstat(from.get(), &before) != 0 || !S_ISREG(before.st_mode)) return StageResult::Failed;

    StagedCopy staged;
    switch (method_) {
        case StagingMethod::UnnamedTemporary:
            staged.file_ = CreateUnnamedTemporary(folder_.get());
            break;
        case StagingMethod::NamedTemporary:
            staged.file_ = CreateNamedTemporary(folder_.get(), staged.stagedName_);
            break;
        case StagingMethod::DirectExclusive:
            staged.stagedName_ = targetName;
            staged.file_.Reset(::openat(folder_.get(), targetName.c_str(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
            if (!staged.file_ && errno == EEXIST) return StageResult::TargetExists;
            break;
    }
    if (!staged.file_) return StageResult::Failed;

    std::int64_t copied = 0;
    const bool complete =
        CopyToEnd(from.get(), staged.file_.get(), sourcePath, before.st_size, copied);
    struct stat after {};
    const bool statted = ::fstat(from.get(), &after) == 0;
    StageResult result = StageResult::Staged;
    if (!complete || !statted) {
        result = StageResult::Failed;
    } else if (IdentityOf(after) != IdentityOf(before) || copied != after.st_size) {
        result = StageResult::SourceChanged;
    } else {
        const std::array<timespec, 2> times = {before.st_atim, before.st_mtim};
        if (::fchmod(staged.file_.get(), before.st_mode & 0777) != 0 ||
            ::futimens(staged.file_.get(), times.data()) != 0) {
            result = StageResult::Failed;
        }
    }
    if (result != StageResult::Staged) {
        Discard(staged);
        return result;
    }
    // Start the write-back now, so that the flush of the group finds little left to do.
    ::sync_file_range(staged.file_.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
    staged.source_ = IdentityOf(before);
    copy = std::move(staged);
    return StageResult::Staged;
}

bool DestinationFolder::MakeDurable(std::span<StagedCopy* const> copies) const {
    if (copies.size() == 1) return FlushFileData(copies.front()->file_.get());
    return copies.empty() || FlushWholeFileSystem(folder_.get());
}

PlaceResult DestinationFolder::Place(StagedCopy& copy, const std::string& targetName) const {
    bool placed = false;
    switch (method_) {
        case StagingMethod::UnnamedTemporary:
            placed = LinkUnnamed(copy.file_.get(), folder_.get(), targetName);
            break;
        case StagingMethod::NamedTemporary:
            placed = ::renameat2(folder_.get(), copy.stagedName_.c_str(), folder_.get(),
                                 targetName.c_str(), RENAME_NOREPLACE) == 0;
            if (!placed && NoRenameNoReplace(errno) &&
                ::linkat(folder_.get(), copy.stagedName_.c_str(), folder_.get(), targetName.c_str(),
                         0) == 0) {
                ::unlinkat(folder_.get(), copy.stagedName_.c_str(), 0);
                placed = true;
            }
            break;
        case StagingMethod::DirectExclusive:
            placed = copy.stagedName_ == targetName;
            if (!placed) errno = EINVAL;  // staged under another name: a caller's mistake
            break;
    }
    if (!placed) return errno == EEXIST ? PlaceResult::TargetExists : PlaceResult::Failed;
    copy.file_.Reset();
    copy.stagedName_.clear();
    return PlaceResult::Placed;
}

void DestinationFolder::Discard(StagedCopy& copy) const {
    copy.file_.Reset();
    if (!copy.stagedName_.empty()) ::unlinkat(folder_.get(), copy.stagedName_.c_str(), 0);
    copy.stagedName_.clear();
}

void DestinationFolder::Remove(const std::string& targetName) const {
    ::unlinkat(folder_.get(), targetName.c_str(), 0);
}

bool DestinationFolder::FlushEntries() const {
    return FlushFolderEntries(folder_.get());
}

std::size_t MaxOpenStagedCopies() {
    // Half of what is left after a margin for everything else the process opens.
    constexpr rlim_t kMargin = 64;
    constexpr std::size_t kMost = 256;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kMost;
    const rlim_t spare = limit.rlim_cur > 2 * kMargin ? (limit.rlim_cur - kMargin) / 2 : 8;
    return std::clamp<std::size_t>(static_cast<std::size_t>(spare), 8, kMost);
}

bool CopiesShareBlocks(const std::string& sourceFolder, const DestinationFolder& destination) {
    struct stat source {
    }, target{};
    if (::stat(sourceFolder.c_str(), &source) != 0 ||
        ::fstat(destination.folder_.get(), &target) != 0 || source.st_dev != target.st_dev) {
        return false;
    }
    // Two unnamed files, the second cloned from the first: gone again when closed.
    UniqueFd original(
        ::openat(destination.folder_.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    UniqueFd clone(::openat(destination.folder_.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    const std::array<char, 4096> block{};
    return original && clone && WriteAll(original.get(), block.data(), block.size()) &&
           ::ioctl(clone.get(), FICLONE, original.get()) == 0;
}

void AdviseWillRead(const std::string& path, std::uint64_t bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file) ::posix_fadvise(file.get(), 0, static_cast<off_t>(bytes), POSIX_FADV_WILLNEED);
}

}  // namespace kadoro
