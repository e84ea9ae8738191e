// The .REL record chain.
#include "readers/rel_index.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "readers/byte_reader.h"

namespace kadoro {
namespace {

constexpr std::uint8_t kMagic = 0x80;
constexpr std::size_t kChainOffset = 512;
constexpr std::uint16_t kEndMarker = 0xFFFF;
constexpr std::uint16_t kIndexMark = 0x5555;  // "UU"
constexpr std::size_t kLengthOffset = 3;
constexpr std::size_t kLengthOverhead = 4;  // mark, unexamined byte and the length byte itself
constexpr std::size_t kTypeOffset = 7;
constexpr std::size_t kCountOffset = 13;
constexpr std::size_t kNameOffset = 14;
constexpr std::size_t kNameWidth = 8;

constexpr std::uint8_t kSingleImage = 1;
constexpr std::uint8_t kSingleImageToo = 3;
constexpr std::uint8_t kGroup = 4;

// The name becomes a file name in the source folder; nothing in it may lead anywhere else.
bool IsSafeName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '/' || c == '\\';
    });
}

// What one index record lists, checked whole before any of it is used.
struct IndexRecord {
    bool numbered = false;  // a single-image or group record: it takes a group number
    bool group = false;
    std::vector<std::string> names;
};

// The name field at offset, up to its first NUL; the caller has made sure the field is there.
std::string NameAt(const ByteReader& reader, std::size_t offset) {
    const auto field = *reader.Slice(offset, kNameWidth);
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

// Reads the record at position into record; gives the reason to end the walk when it is damaged
// or names something unsafe.
std::optional<RelWalkEnd> ReadIndexRecord(const ByteReader& reader, std::size_t position,
                                          std::uint8_t length, IndexRecord& record) {
    if (!reader.Contains(position, length + kLengthOverhead)) return RelWalkEnd::Truncated;
    const auto type = reader.Read8(position + kTypeOffset);
    if (!type) return RelWalkEnd::Truncated;

    std::size_t count = 0;
    if (*type == kSingleImage || *type == kSingleImageToo) {
        count = 1;
    } else if (*type == kGroup) {
        const auto groupCount = reader.Read8(position + kCountOffset);
        if (!groupCount) return RelWalkEnd::Truncated;
        count = *groupCount;
        record.group = true;
    } else {
        return std::nullopt;  // an ignored type lists nothing and takes no number
    }
    record.numbered = true;

    if (!reader.Contains(position + kNameOffset, kNameWidth * count)) return RelWalkEnd::Truncated;
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = NameAt(reader, position + kNameOffset + kNameWidth * i);
        if (!IsSafeName(name)) return RelWalkEnd::UnsafeName;
        record.names.push_back(std::move(name));
    }
    return std::nullopt;
}

}  // namespace

RelWalkEnd WalkRelIndex(std::span<const std::uint8_t> bytes, const RelWalkCallbacks& callbacks) {
    const ByteReader reader(bytes);
    if (reader.Read8(0) != kMagic) return RelWalkEnd::NotRelIndex;

    int groupCounter = 1;
    // Every step moves on by at least four bytes, so the walk ends within the bytes given.
    for (std::size_t position = kChainOffset;;) {
        const auto mark = reader.Read16be(position);
        if (!mark) return RelWalkEnd::Truncated;
        if (*mark == kEndMarker) return RelWalkEnd::EndMarker;
        const auto length = reader.Read8(position + kLengthOffset);
        if (!length) return RelWalkEnd::Truncated;

        if (*mark == kIndexMark) {
            IndexRecord record;
            if (const auto problem = ReadIndexRecord(reader, position, *length, record)) {
                return *problem;
            }
            for (std::size_t i = 0; i < record.names.size(); ++i) {
                const int subNumber = record.group ? static_cast<int>(i) + 1 : -1;
                if (callbacks.image({record.names[i], groupCounter, subNumber}) == RelVisit::Stop) {
                    return RelWalkEnd::Stopped;
                }
            }
            if (record.numbered) ++groupCounter;
            if (callbacks.indexRecordDone) callbacks.indexRecordDone();
        }
        position += *length + kLengthOverhead;
    }
}

}  // namespace kadoro
