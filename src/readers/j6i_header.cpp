// Reading and validating the .J6I header.
#include "readers/j6i_header.h"

#include <algorithm>

#include "platform/file_reading.h"
#include "readers/byte_reader.h"

namespace kadoro {
namespace {

constexpr std::uint8_t kMagic = 0x80;
constexpr std::size_t kSignatureOffset = 2;
constexpr std::array<std::uint8_t, 6> kSignatureWithNul = {'D', 'S', 'C', 'I', 'M', '\0'};
constexpr std::size_t kHeaderSizeOffset = 56;
constexpr std::size_t kDcVersionOffset = 134;
constexpr std::size_t kDcVersionWidth = 10;

}  // namespace

std::int32_t J6iHeader::headerSize() const {
    const auto value = ByteReader(bytes).Read32be(kHeaderSizeOffset);
    return static_cast<std::int32_t>(*value);  // always present: the offset is inside the array
}

std::string J6iHeader::dcVersion() const {
    const auto* first = bytes.data() + kDcVersionOffset;
    const auto* last = bytes.data() + kJ6iHeaderSize;  // the field reaches the header's end
    static_assert(kDcVersionOffset + kDcVersionWidth == kJ6iHeaderSize);
    return std::string(first, std::find(first, last, std::uint8_t{0}));
}

J6iReadResult ParseJ6iHeader(std::span<const std::uint8_t> bytes, J6iHeader& header) {
    if (bytes.size() != kJ6iHeaderSize) return J6iReadResult::ShortRead;
    std::copy(bytes.begin(), bytes.end(), header.bytes.begin());
    if (header.magic() != kMagic) return J6iReadResult::NotJ6i;
    if (!std::equal(kSignatureWithNul.begin(), kSignatureWithNul.end(),
                    header.bytes.begin() + kSignatureOffset)) {
        return J6iReadResult::NotJ6i;
    }
    return J6iReadResult::Ok;
}

J6iReadResult ReadJ6iHeader(const std::string& path, J6iHeader& header) {
    const FilePrefix prefix = ReadFilePrefix(path, kJ6iHeaderSize);
    switch (prefix.status) {
        case FilePrefix::Status::CannotOpen:
            return J6iReadResult::CannotOpen;
        case FilePrefix::Status::ReadFailed:
            return J6iReadResult::ShortRead;
        case FilePrefix::Status::Read:
            break;
    }
    return ParseJ6iHeader(prefix.bytes, header);
}

int BcdToInt(std::uint8_t value) {
    return (value >> 4) * 10 + (value & 0x0F);
}

int J6iFullYear(int storedYear) {
    if (storedYear < 70) return 2000 + storedYear;
    if (storedYear < 100) return 1900 + storedYear;
    return 19000 + storedYear;  // "19" followed by the three digits of an invalid value
}

}  // namespace kadoro
