// Copies staged in a destination folder: complete and on their way to disk before they get their
// names, so that no file ever stands under its new name before its data is durable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/file_identity.h"
#include "platform/unique_fd.h"

namespace kadoro {

// How copies are staged in a folder, decided once per folder by what its file system can do.
enum class StagingMethod {
    UnnamedTemporary,  // O_TMPFILE, then linked into place: a crash leaves nothing behind
    NamedTemporary,    // a hidden temporary name, then renamed (or linked) into place
    DirectExclusive,   // neither works (FAT): the target itself, created exclusively
};

// A complete copy that has no name in the folder yet (with DirectExclusive it has: its target's).
class StagedCopy {
public:
    StagedCopy() = default;
    // The source as it was copied; its deletion must find it so.
    const FileIdentity& source() const { return source_; }

private:
    friend class DestinationFolder;
    UniqueFd file_;
    std::string stagedName_;  // NamedTemporary: the temporary; DirectExclusive: the target
    FileIdentity source_;
};

enum class StageResult {
    Staged,
    SourceChanged,  // the source grew, shrank or was rewritten while it was copied
    TargetExists,   // DirectExclusive only: the target name is taken
    Failed,         // the source cannot be read or the copy cannot be written (disk full, ...)
};

enum class PlaceResult { Placed, TargetExists, Failed };

// An open destination folder. Every name it takes is a bare file name inside it.
class DestinationFolder {
public:
    // Opens the folder and decides its staging method; nothing when it cannot be opened.
    static std::optional<DestinationFolder> Open(const std::string& path);
    // As Open, with the method given (tests use it to walk every method on one file system).
    static std::optional<DestinationFolder> OpenWithMethod(const std::string& path,
                                                           StagingMethod method);

    const std::string& path() const { return path_; }
    StagingMethod method() const { return method_; }

    // Copies the source's bytes to its end, then its permission bits and times, into a staged
    // copy, and starts writing it to disk. The source must be the same file, of the same size and
    // time, after the copy as before it.
    StageResult Stage(const std::string& sourcePath, const std::string& targetName,
                      StagedCopy& copy) const;

    // Makes the staged copies' data durable: one copy by its own flush, several by one flush of
    // the whole file system.
    bool MakeDurable(std::span<StagedCopy* const> copies) const;

    // Gives a durable staged copy its name, never replacing anything that stands there.
    PlaceResult Place(StagedCopy& copy, const std::string& targetName) const;

    // Drops a staged copy that was not placed.
    void Discard(StagedCopy& copy) const;

    // Removes a placed copy again (its source is still there).
    void Remove(const std::string& targetName) const;

    // Makes the names placed and removed in the folder durable.
    bool FlushEntries() const;

private:
    friend bool CopiesShareBlocks(const std::string&, const DestinationFolder&);
    DestinationFolder(std::string path, UniqueFd folder, StagingMethod method)
        : path_(std::move(path)), folder_(std::move(folder)), method_(method) {}

    std::string path_;
    UniqueFd folder_;
    StagingMethod method_;
};

// How many staged copies may be open at once: each holds a file descriptor until it is placed.
std::size_t MaxOpenStagedCopies();

// Whether copies from sourceFolder into destination share the source's blocks (a reflink on
// xfs or btrfs) instead of copying its bytes.
bool CopiesShareBlocks(const std::string& sourceFolder, const DestinationFolder& destination);

// Starts reading a source file into memory, so that its copy finds it there: the whole file, or
// its first bytes only (what the readers look at) where the copy will not read it.
void AdviseWillRead(const std::string& path, std::uint64_t bytes);
inline constexpr std::uint64_t kWholeFile = 0;

}  // namespace kadoro
