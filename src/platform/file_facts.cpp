// Examining a file with POSIX calls.
#include "platform/file_facts.h"

#include <sys/stat.h>

#include "platform/file_opening.h"

namespace kadoro {

std::optional<FileFacts> ExamineFile(const std::string& path) {
    const UniqueFd fd = OpenForReading(path);
    if (!fd) return std::nullopt;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    FileFacts facts;
    facts.size = static_cast<std::int64_t>(status.st_size);
    const std::time_t seconds = status.st_mtim.tv_sec;
    if (::localtime_r(&seconds, &facts.lastWriteLocal) == nullptr) return std::nullopt;
    return facts;
}

}  // namespace kadoro
