// Builds .REL index files in code from a list of record-chain positions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/fixture_files.h"

namespace kadoro::test {

// One position of the record chain. The next position lies length + 4 bytes further on, whatever
// was written; where the records after it overlap what it wrote, theirs stands.
struct RelRecord {
    std::array<std::uint8_t, 2> mark = {'U', 'U'};
    std::uint8_t type = 1;
    // Written 8 bytes each from offset 14, NUL-padded; longer names are cut to 8 bytes.
    std::vector<std::string> names;
    std::optional<std::uint8_t> count;   // written at 13 for a group; default the number of names
    std::optional<std::uint8_t> length;  // default: covers the names, as far as one byte can
};

RelRecord SingleImage(std::string name, std::uint8_t type = 1);
RelRecord Group(std::vector<std::string> names);
// A position not marked "UU": only its length byte counts.
RelRecord OtherPosition(std::uint8_t length, std::array<std::uint8_t, 2> mark = {0x00, 0x00});
RelRecord WithLength(RelRecord record, std::uint8_t length);
RelRecord WithCount(RelRecord record, std::uint8_t count);

struct RelFixture {
    std::uint8_t magic = 0x80;
    std::vector<RelRecord> records;  // from offset 512 on
    bool endMarker = true;           // 0xFF 0xFF at the position after the last record
    // Appended after everything written, as the rest of a real index file; 0 makes the file end
    // where the last record's (or the end marker's) bytes end.
    std::size_t trailingBytes = 64;
};

Bytes MakeRelBytes(const RelFixture& fixture);
void WriteRelFile(const std::string& path, const RelFixture& fixture);

}  // namespace kadoro::test
