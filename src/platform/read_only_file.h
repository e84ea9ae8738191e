// A file opened read-only and read at chosen positions, for readers that need only part of a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "platform/unique_fd.h"

namespace kadoro {

class ReadOnlyFile {
public:
    // Nothing when the file cannot be opened; a folder cannot (see OpenForReading).
    static std::optional<ReadOnlyFile> Open(const std::string& path);

    // Fills out from the file's byte at offset on and returns how many bytes came; fewer than
    // out.size() only at the end of the file. Nothing when the read fails.
    std::optional<std::size_t> ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;

private:
    explicit ReadOnlyFile(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;
};

}  // namespace kadoro
