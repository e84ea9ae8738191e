// Builds .J6I files in code: a header with the fields the readers look at, then image bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/fixture_files.h"

namespace kadoro::test {

struct J6iFixture {
    // Packed BCD: year, month, day, hour, minute, second.
    std::array<std::uint8_t, 6> date = {0x97, 0x11, 0x23, 0x14, 0x05, 0x09};
    std::uint8_t dscVersionMajor = 1;
    std::uint8_t dscVersionMinor = 0;
    std::uint32_t headerSize = 172;  // the first cameras wrote 172-byte headers
    std::string dcVersion = "DC2 1.00";
    std::size_t totalSize = 4096;  // header plus stand-in image bytes
};

Bytes MakeJ6iBytes(const J6iFixture& fixture = {});
void WriteJ6iFile(const std::string& path, const J6iFixture& fixture = {});

}  // namespace kadoro::test
