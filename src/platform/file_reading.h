// Reading the first bytes of a file in one go, as the camera file readers need them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kadoro {

struct FilePrefix {
    enum class Status { Read, CannotOpen, ReadFailed };
    Status status = Status::CannotOpen;
    std::vector<std::uint8_t> bytes;  // at most the number asked for; fewer at the end of the file
};

// Opens the file read-only, reads up to maxBytes from its start and closes it again.
FilePrefix ReadFilePrefix(const std::string& path, std::size_t maxBytes);

}  // namespace kadoro
