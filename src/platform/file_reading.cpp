// Reading the first bytes of a file.
#include "platform/file_reading.h"

#include "platform/read_only_file.h"

namespace kadoro {

FilePrefix ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    FilePrefix result;
    const auto file = ReadOnlyFile::Open(path);
    if (!file) return result;
    result.bytes.resize(maxBytes);
    const auto got = file->ReadAt(0, result.bytes);
    if (!got) {
        result.bytes.clear();
        result.status = FilePrefix::Status::ReadFailed;
        return result;
    }
    result.bytes.resize(*got);
    result.status = FilePrefix::Status::Read;
    return result;
}

}  // namespace kadoro
