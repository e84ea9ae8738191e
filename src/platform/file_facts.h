// The size and last-write time of a file, as the information report shows them.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace kadoro {

struct FileFacts {
    std::int64_t size = 0;
    std::tm lastWriteLocal{};  // broken down in local time (TZ honoured)
};

// Opens the file for reading to examine it; nothing when it cannot be opened or is not a regular
// file (a folder cannot be opened as a file on every platform).
std::optional<FileFacts> ExamineFile(const std::string& path);

}  // namespace kadoro
