// .REL fixtures.
#include "support/rel_fixture.h"

#include <algorithm>

namespace kadoro::test {
namespace {

constexpr std::size_t kChainOffset = 512;
constexpr std::size_t kNameOffset = 14;
constexpr std::size_t kNameWidth = 8;

// Bytes the walk must never look at get a value that means nothing to it.
constexpr std::uint8_t kUnexamined = 0xEE;

std::size_t WrittenSize(const RelRecord& record) {
    return kNameOffset + kNameWidth * std::max<std::size_t>(record.names.size(), 1);
}

void Put(Bytes& bytes, std::size_t offset, std::uint8_t value) {
    if (bytes.size() <= offset) bytes.resize(offset + 1, 0);
    bytes[offset] = value;
}

}  // namespace

RelRecord SingleImage(std::string name, std::uint8_t type) {
    RelRecord record;
    record.type = type;
    record.names = {std::move(name)};
    return record;
}

RelRecord Group(std::vector<std::string> names) {
    RelRecord record;
    record.type = 4;
    record.names = std::move(names);
    return record;
}

RelRecord OtherPosition(std::uint8_t length, std::array<std::uint8_t, 2> mark) {
    RelRecord record;
    record.mark = mark;
    record.type = 1;  // would make it an image record if the mark were "UU"
    record.names = {"DECOY"};
    record.length = length;
    return record;
}

RelRecord WithLength(RelRecord record, std::uint8_t length) {
    record.length = length;
    return record;
}

RelRecord WithCount(RelRecord record, std::uint8_t count) {
    record.count = count;
    return record;
}

Bytes MakeRelBytes(const RelFixture& fixture) {
    // The header is not examined beyond its first byte; "U" everywhere catches a walk that
    // starts too early.
    Bytes bytes(kChainOffset, 'U');
    bytes[0] = fixture.magic;

    std::size_t position = kChainOffset;
    for (const RelRecord& record : fixture.records) {
        const std::size_t size = WrittenSize(record);
        const std::uint8_t length =
            record.length.value_or(static_cast<std::uint8_t>(std::min<std::size_t>(size - 4, 255)));
        for (std::size_t i = 0; i < size; ++i)
            Put(bytes, position + i, kUnexamined);
        Put(bytes, position, record.mark[0]);
        Put(bytes, position + 1, record.mark[1]);
        Put(bytes, position + 3, length);
        Put(bytes, position + 7, record.type);
        if (record.type == 4) {
            Put(bytes, position + 13,
                record.count.value_or(static_cast<std::uint8_t>(record.names.size())));
        }
        for (std::size_t n = 0; n < record.names.size(); ++n) {
            const std::string& name = record.names[n];
            for (std::size_t i = 0; i < kNameWidth; ++i) {
                Put(bytes, position + kNameOffset + kNameWidth * n + i,
                    i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0);
            }
        }
        position += length + 4u;
    }
    if (fixture.endMarker) {
        Put(bytes, position, 0xFF);
        Put(bytes, position + 1, 0xFF);
    }
    bytes.insert(bytes.end(), fixture.trailingBytes, 0xAA);
    return bytes;
}

void WriteRelFile(const std::string& path, const RelFixture& fixture) {
    WriteFileBytes(path, MakeRelBytes(fixture));
}

}  // namespace kadoro::test
