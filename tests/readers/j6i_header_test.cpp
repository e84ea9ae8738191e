// The J6I header reader: results, field decoding and BCD.
#include "readers/j6i_header.h"

#include <gtest/gtest.h>

#include "support/j6i_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using test::Bytes;

struct HeaderCase {
    const char* name;
    Bytes bytes;
    J6iReadResult expected;
    friend void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }
};

Bytes ValidHeader(std::size_t size = 144) {
    test::J6iFixture fixture;
    fixture.totalSize = size;
    Bytes bytes = test::MakeJ6iBytes(fixture);
    bytes.resize(size);
    return bytes;
}

Bytes WithByte(Bytes bytes, std::size_t offset, std::uint8_t value) {
    bytes[offset] = value;
    return bytes;
}

class HeaderResultTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderResultTest, GivesTheExpectedResult) {
    test::TempFolder folder;
    const std::string path = folder.Join("P0000001.J6I");
    test::WriteFileBytes(path, GetParam().bytes);
    J6iHeader header;
    EXPECT_EQ(ReadJ6iHeader(path, header), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderResultTest,
    testing::Values(
        HeaderCase{"Exactly144Bytes", ValidHeader(144), J6iReadResult::Ok},
        HeaderCase{"LongerFile", ValidHeader(5000), J6iReadResult::Ok},
        HeaderCase{"OnlyMagicAndSignatureMatter",
                   [] {
                       Bytes bytes(144, 0xEE);
                       const Bytes start = {0x80, 0x13, 'D', 'S', 'C', 'I', 'M', 0};
                       std::copy(start.begin(), start.end(), bytes.begin());
                       return bytes;
                   }(),
                   J6iReadResult::Ok},
        HeaderCase{"Only143Bytes", ValidHeader(143), J6iReadResult::ShortRead},
        HeaderCase{"EmptyFile", Bytes{}, J6iReadResult::ShortRead},
        HeaderCase{"WrongMagic", WithByte(ValidHeader(), 0, 0x81), J6iReadResult::NotJ6i},
        HeaderCase{"SixthLetterInsteadOfNul", WithByte(ValidHeader(), 7, 'X'),
                   J6iReadResult::NotJ6i},
        HeaderCase{"LowerCaseSignature", WithByte(ValidHeader(), 2, 'd'), J6iReadResult::NotJ6i},
        HeaderCase{"ShortSignature", WithByte(ValidHeader(), 6, 0), J6iReadResult::NotJ6i}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(J6iHeaderTest, MissingFileCannotBeOpened) {
    test::TempFolder folder;
    J6iHeader header;
    header.bytes.fill(0x5A);
    EXPECT_EQ(ReadJ6iHeader(folder.Join("absent.J6I"), header), J6iReadResult::CannotOpen);
    EXPECT_EQ(header.bytes[0], 0x5A) << "the header stays untouched";
}

TEST(J6iHeaderTest, FolderCannotBeOpened) {
    test::TempFolder folder;
    J6iHeader header;
    EXPECT_EQ(ReadJ6iHeader(folder.path(), header), J6iReadResult::CannotOpen);
}

TEST(J6iHeaderTest, DecodesTheFieldsAsStored) {
    test::J6iFixture fixture;
    fixture.date = {0x97, 0x05, 0x03, 0x14, 0x07, 0x09};
    fixture.dscVersionMajor = 2;
    fixture.dscVersionMinor = 11;
    fixture.headerSize = 0x00000200;
    fixture.dcVersion = "V1.05";
    const Bytes bytes = test::MakeJ6iBytes(fixture);
    J6iHeader header;
    ASSERT_EQ(ParseJ6iHeader(std::span(bytes).first(144), header), J6iReadResult::Ok);
    EXPECT_EQ(header.dscVersionMajor(), 2);
    EXPECT_EQ(header.dscVersionMinor(), 11);
    EXPECT_EQ(header.headerSize(), 512);
    EXPECT_EQ(header.dcVersion(), "V1.05");
    EXPECT_EQ(BcdToInt(header.shotYear()), 97);
    EXPECT_EQ(BcdToInt(header.shotMonth()), 5);
    EXPECT_EQ(BcdToInt(header.shotSecond()), 9);
}

TEST(J6iHeaderTest, HeaderSizeIsSignedBigEndian) {
    J6iHeader header;
    header.bytes[56] = 0xFF;
    header.bytes[57] = 0xFF;
    header.bytes[58] = 0xFF;
    header.bytes[59] = 0xFE;
    EXPECT_EQ(header.headerSize(), -2);
}

TEST(J6iHeaderTest, DcVersionWithoutNulEndsWithTheHeader) {
    J6iHeader header;
    std::fill(header.bytes.begin() + 134, header.bytes.end(), 'A');
    EXPECT_EQ(header.dcVersion(), std::string(10, 'A'));
}

TEST(BcdTest, DecodesNibblesWithoutValidation) {
    EXPECT_EQ(BcdToInt(0x59), 59);
    EXPECT_EQ(BcdToInt(0x00), 0);
    EXPECT_EQ(BcdToInt(0x9F), 105);
    EXPECT_EQ(BcdToInt(0xA0), 100);
    EXPECT_EQ(BcdToInt(0xFF), 165);
}

TEST(BcdTest, FullYearPutsTwoDigitYearsIntoTheirCentury) {
    EXPECT_EQ(J6iFullYear(97), 1997);
    EXPECT_EQ(J6iFullYear(70), 1970);
    EXPECT_EQ(J6iFullYear(69), 2069);
    EXPECT_EQ(J6iFullYear(1), 2001);
    EXPECT_EQ(J6iFullYear(0), 2000);
    EXPECT_EQ(J6iFullYear(105), 19105) << "invalid BCD keeps \"19\" followed by the value";
}

}  // namespace
}  // namespace kadoro
