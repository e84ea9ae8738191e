// .J6I fixtures.
#include "support/j6i_fixture.h"

#include <algorithm>

namespace kadoro::test {

Bytes MakeJ6iBytes(const J6iFixture& fixture) {
    Bytes bytes(std::max<std::size_t>(fixture.totalSize, 144), 0);
    bytes[0] = 0x80;
    const std::string signature = "DSCIM";
    std::copy(signature.begin(), signature.end(), bytes.begin() + 2);
    bytes[8] = fixture.dscVersionMajor;
    bytes[9] = fixture.dscVersionMinor;
    for (int i = 0; i < 4; ++i) {
        bytes[56 + i] = static_cast<std::uint8_t>(fixture.headerSize >> (24 - 8 * i));
    }
    std::copy(fixture.date.begin(), fixture.date.end(), bytes.begin() + 68);
    std::copy_n(fixture.dcVersion.begin(), std::min<std::size_t>(fixture.dcVersion.size(), 10),
                bytes.begin() + 134);
    // Stand-in image data: a JPEG start marker where the header ends, then a byte pattern.
    for (std::size_t i = 144; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    if (bytes.size() >= fixture.headerSize + 2 && fixture.headerSize >= 144) {
        bytes[fixture.headerSize] = 0xFF;
        bytes[fixture.headerSize + 1] = 0xD8;
    }
    return bytes;
}

void WriteJ6iFile(const std::string& path, const J6iFixture& fixture) {
    WriteFileBytes(path, MakeJ6iBytes(fixture));
}

}  // namespace kadoro::test
