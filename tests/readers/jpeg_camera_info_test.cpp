// The JPEG camera information reader: block position, line rules, settings, and the samples.
#include "readers/jpeg_camera_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/fixture_files.h"
#include "support/jpeg_fixture.h"
#include "support/sample_files.h"
#include "support/scoped_time_zone.h"
#include "support/temp_folder.h"

namespace kadoro {

// Found by GoogleTest through the enum's namespace, so that failures print the result code.
static void PrintTo(JpegReadResult result, std::ostream* os) {
    *os << static_cast<int>(result);
}

namespace {

using namespace std::string_literals;
using test::Bytes;

// A breakdown as gmtime gives it: year since 1900, month from 0, weekday from Sunday = 0.
std::tm Utc(int year, int month, int day, int hour, int minute, int second, int weekday,
            int yearDay) {
    std::tm calendar{};
    calendar.tm_year = year;
    calendar.tm_mon = month;
    calendar.tm_mday = day;
    calendar.tm_hour = hour;
    calendar.tm_min = minute;
    calendar.tm_sec = second;
    calendar.tm_wday = weekday;
    calendar.tm_yday = yearDay;
    return calendar;
}

// The record a caller hands in with every field set, so that the clear step shows.
JpegCameraInfo DirtyRecord() {
    JpegCameraInfo info;
    info.maker = "stale maker";
    info.shotTime = Utc(99, 5, 14, 13, 12, 11, 2, 150);
    info.flash = 7;
    info.resolution = 8;
    info.imageSize = 2;
    info.zoom = 1;
    info.macro = 9;
    info.cameraType = "OLD";
    info.serialNo = "old serial";
    info.cameraVersion = "old version";
    info.cameraId = "old id";
    return info;
}

// DirtyRecord after the clear step: only the year of the shooting time is reset.
JpegCameraInfo ClearedDirtyRecord() {
    JpegCameraInfo info = DirtyRecord();
    info.maker = "";
    info.shotTime.tm_year = 0;
    info.flash = 0;
    info.resolution = -1;
    info.imageSize = -1;
    info.zoom = 0;
    info.macro = 0;
    info.cameraType = "";
    info.serialNo = "";
    info.cameraVersion = "";
    info.cameraId = "";
    return info;
}

void ExpectSameRecord(const JpegCameraInfo& actual, const JpegCameraInfo& expected) {
    EXPECT_EQ(actual.maker, expected.maker);
    EXPECT_EQ(actual.shotTime.tm_year, expected.shotTime.tm_year);
    EXPECT_EQ(actual.shotTime.tm_mon, expected.shotTime.tm_mon);
    EXPECT_EQ(actual.shotTime.tm_mday, expected.shotTime.tm_mday);
    EXPECT_EQ(actual.shotTime.tm_hour, expected.shotTime.tm_hour);
    EXPECT_EQ(actual.shotTime.tm_min, expected.shotTime.tm_min);
    EXPECT_EQ(actual.shotTime.tm_sec, expected.shotTime.tm_sec);
    EXPECT_EQ(actual.shotTime.tm_wday, expected.shotTime.tm_wday);
    EXPECT_EQ(actual.shotTime.tm_yday, expected.shotTime.tm_yday);
    EXPECT_EQ(actual.shotTime.tm_isdst, expected.shotTime.tm_isdst);
    EXPECT_EQ(actual.flash, expected.flash);
    EXPECT_EQ(actual.resolution, expected.resolution);
    EXPECT_EQ(actual.imageSize, expected.imageSize);
    EXPECT_EQ(actual.zoom, expected.zoom);
    EXPECT_EQ(actual.macro, expected.macro);
    EXPECT_EQ(actual.cameraType, expected.cameraType);
    EXPECT_EQ(actual.serialNo, expected.serialNo);
    EXPECT_EQ(actual.cameraVersion, expected.cameraVersion);
    EXPECT_EQ(actual.cameraId, expected.cameraId);
}

Bytes Jpeg(std::string_view block, std::uint16_t secondSegmentLength = test::kJfxxSegmentLength) {
    return test::MakeJpegWithCameraText(block, secondSegmentLength);
}

Bytes Camera(std::string_view maker, const std::vector<std::string>& lines) {
    return Jpeg(test::CameraTextBlock(maker, lines));
}

// The file ends right after the block, without the image data that normally follows it.
Bytes EndingWith(std::string_view block) {
    Bytes bytes = Jpeg(block);
    bytes.resize(bytes.size() - 2);
    return bytes;
}

Bytes FirstBytes(Bytes bytes, std::size_t count) {
    bytes.resize(count);
    return bytes;
}

std::string Letters(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(static_cast<char>('A' + i % 26));
    return text;
}

using RecordChange = std::function<void(JpegCameraInfo&)>;

struct BlockCase {
    const char* name;
    Bytes file;
    JpegReadResult expected;
    // Applied to the cleared record to give the expected one; unset where the read stops midway
    // and the record is left unchecked.
    RecordChange record;
    friend void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }
};

class CameraBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(CameraBlockTest, FileAndMemoryGiveTheExpectedRecord) {
    const test::ScopedTimeZone zone("JST-9");  // nine hours off UTC: a local breakdown shows
    const test::TempFolder folder;
    const std::string path = folder.Join("P0000001.JPG");
    test::WriteFileBytes(path, GetParam().file);

    JpegCameraInfo fromFile = DirtyRecord();
    EXPECT_EQ(ReadJpegCameraInfo(path, fromFile), GetParam().expected);
    JpegCameraInfo fromMemory = DirtyRecord();
    EXPECT_EQ(ParseJpegCameraInfo(GetParam().file, fromMemory), GetParam().expected);
    {
        SCOPED_TRACE("memory parse against file read");
        ExpectSameRecord(fromMemory, fromFile);
    }
    if (GetParam().record) {
        JpegCameraInfo expected = ClearedDirtyRecord();
        GetParam().record(expected);
        ExpectSameRecord(fromFile, expected);
    }
}

const RecordChange kNothingButCleared = [](JpegCameraInfo&) {};

INSTANTIATE_TEST_SUITE_P(
    Position, CameraBlockTest,
    testing::Values(
        BlockCase{"BlockAt42", Camera("OLYMPUS", {"Flash=1"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "OLYMPUS";
                      r.flash = 1;
                  }},
        BlockCase{"BlockAt282", Jpeg(test::CameraTextBlock("AGFA", {"Macro=1"}), 0x0100),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "AGFA";
                      r.macro = 1;
                  }},
        BlockCase{"BlockAt65561", Jpeg(test::CameraTextBlock("AGFA", {"Macro=1"}), 0xFFFF),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "AGFA";
                      r.macro = 1;
                  }},
        BlockCase{"EmptyFile", Bytes{}, JpegReadResult::LayoutDiffers, kNothingButCleared},
        BlockCase{"FileOf23Bytes", FirstBytes(Camera("M", {}), 23), JpegReadResult::LayoutDiffers,
                  kNothingButCleared},
        BlockCase{"FileOf24BytesEndsBeforePosition", FirstBytes(Camera("M", {}), 24),
                  JpegReadResult::LayoutDiffers, kNothingButCleared},
        BlockCase{"FileEndsAtPosition", FirstBytes(Camera("M", {}), 42),
                  JpegReadResult::LayoutDiffers, kNothingButCleared}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Lines, CameraBlockTest,
    testing::Values(
        BlockCase{"MakerAndEndLineOnly", Jpeg("Maker\r\n[diag info]\r\n"), JpegReadResult::Read,
                  [](JpegCameraInfo& r) { r.maker = "Maker"; }},
        BlockCase{"FirstLineIsEndLine", Jpeg("[diag info]\r\nFlash=1\r\n"), JpegReadResult::Empty,
                  kNothingButCleared},
        BlockCase{"EndLineMayGoOn", Jpeg("M\r\n[diag info] 2\r\nFlash=1\r\n"), JpegReadResult::Read,
                  [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"EndLineAtEndOfFileWithoutCrLf", EndingWith("M\r\nFlash=1\r\n[diag info]"),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = 1;
                  }},
        BlockCase{"EndLineNeedsAllElevenCharacters", EndingWith("M\r\nFlash=1\r\n[diag info\r\n"),
                  JpegReadResult::LayoutDiffers, nullptr},
        BlockCase{"MissingEndLineAtEndOfFile", EndingWith("M\r\nFlash=1\r\nType=DC\r\n"),
                  JpegReadResult::LayoutDiffers,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = 1;
                      r.cameraType = "DC";
                  }},
        BlockCase{"MissingEndLineBeforeImageData", Jpeg("M\r\nFlash=1\r\n"),
                  JpegReadResult::LayoutDiffers, nullptr},
        BlockCase{"Line36CharactersAccepted", Camera(Letters(36), {"ID=" + Letters(33)}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = Letters(29);
                      r.cameraId = Letters(31);
                  }},
        BlockCase{"MakerLine37CharactersRejected", Camera(Letters(37), {}),
                  JpegReadResult::LayoutDiffers, kNothingButCleared},
        BlockCase{"SettingLine37CharactersRejected", Camera("M", {"ID=" + Letters(34)}),
                  JpegReadResult::LayoutDiffers, nullptr},
        BlockCase{"LineEndedByLfAlone", Jpeg("M\r\nFlash=1\nMacro=1\r\n[diag info]\r\n"),
                  JpegReadResult::LayoutDiffers, nullptr},
        BlockCase{"LineCutByEndOfFile", EndingWith("M\r\nFlash=1"), JpegReadResult::LayoutDiffers,
                  nullptr},
        // Lines are read 123 bytes at a time: what follows the first 123 bytes of a long line is
        // a line of its own.
        BlockCase{"LongLineRestIsNextLine",
                  Jpeg("M\r\nFlash=1\r" + std::string(115, 'x') + "Macro=1\r\n[diag info]\r\n"),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = 1;
                      r.macro = 1;
                  }},
        BlockCase{"LongLineRestOneByteEarlier",
                  Jpeg("M\r\nFlash=1\r" + std::string(114, 'x') + "Macro=1\r\n[diag info]\r\n"),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = 1;
                  }},
        BlockCase{
            "OtherLinesSkipped",
            Camera("M", {"[picture info]", "Shutter=8971", "Fnumber=F2.8", "Protect=0", "", "=5"}),
            JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Nul, CameraBlockTest,
    testing::Values(BlockCase{"MakerNulTakenAsBlank", Camera("OLYMPUS\0 985"s, {"Flash=1"}),
                              JpegReadResult::Read,
                              [](JpegCameraInfo& r) {
                                  r.maker = "OLYMPUS  985";
                                  r.flash = 1;
                              }},
                    BlockCase{"SettingNulTakenAsBlank", Camera("M", {"Type=AB\0"s}),
                              JpegReadResult::Read,
                              [](JpegCameraInfo& r) {
                                  r.maker = "M";
                                  r.cameraType = "AB ";
                              }},
                    BlockCase{"SecondNulInSameLine", Camera("A\0B\0"s, {}),
                              JpegReadResult::LayoutDiffers, kNothingButCleared},
                    BlockCase{"SecondNulInLaterLine", Camera("A\0"s, {"Flash=1", "Type=\0"s}),
                              JpegReadResult::LayoutDiffers, nullptr},
                    BlockCase{"NulAfterCrNotCounted",
                              Jpeg("A\0\r\nFlash=1\r\0\nMacro=1\r\n[diag info]\r\n"s),
                              JpegReadResult::Read,
                              [](JpegCameraInfo& r) {
                                  r.maker = "A ";
                                  r.flash = 1;
                                  r.macro = 1;
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TimeDate, CameraBlockTest,
    testing::Values(
        BlockCase{"MinusOneGivesNoDate", Camera("M", {"TimeDate=-1"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"ZeroIsTheEpoch", Camera("M", {"TimeDate=0"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.shotTime = Utc(70, 0, 1, 0, 0, 0, 4, 0);
                  }},
        BlockCase{"BrokenDownInUtc", Camera("M", {"TimeDate=852077089"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.shotTime = Utc(97, 0, 1, 0, 4, 49, 3, 0);
                  }},
        BlockCase{"BlanksSignAndTrailingText", Camera("M", {"TimeDate= +852077089 s"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.shotTime = Utc(97, 0, 1, 0, 4, 49, 3, 0);
                  }},
        BlockCase{"After2038", Camera("M", {"TimeDate=4102444800"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.shotTime = Utc(200, 0, 1, 0, 0, 0, 5, 0);
                  }},
        BlockCase{"BeyondTheCalendarGivesNoDate", Camera("M", {"TimeDate=99999999999999999999"}),
                  JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ImageSize, CameraBlockTest,
    testing::Values(
        BlockCase{"HighFineWhenResolutionCameFirst",
                  Camera("M", {"Resolution=3", "ImageSize=1024-768"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.resolution = 3;
                      r.imageSize = 4;
                  }},
        BlockCase{"FineWhenResolutionCameLater",
                  Camera("M", {"ImageSize=1024-768", "Resolution=3"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.resolution = 3;
                      r.imageSize = 3;
                  }},
        BlockCase{"FineAtResolutionTwo", Camera("M", {"Resolution=2", "ImageSize=1024-768"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.resolution = 2;
                      r.imageSize = 3;
                  }},
        BlockCase{"Size320", Camera("M", {"ImageSize=320-240"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.imageSize = 0;
                  }},
        BlockCase{"Size640WithTrailingText", Camera("M", {"ImageSize=640-480 VGA"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.imageSize = 1;
                  }},
        BlockCase{"Panorama", Camera("M", {"ImageSize=1024-384"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.imageSize = 2;
                  }},
        BlockCase{"UnknownSizeKeepsMinusOne", Camera("M", {"ImageSize=1280-1024"}),
                  JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"CutShortSizeIsUnknown", Camera("M", {"ImageSize=640-48"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"UnknownSizeKeepsEarlierSize",
                  Camera("M", {"ImageSize=640-480", "ImageSize=800-600"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.imageSize = 1;
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Settings, CameraBlockTest,
    testing::Values(
        BlockCase{"ZoomX10IsNoZoom", Camera("M", {"Zoom=x2.0", "Zoom=x1.0"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"ZoomBeginningWithX10IsNoZoom", Camera("M", {"Zoom=x3", "Zoom=x1.05"}),
                  JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"ZoomOtherValues", Camera("M", {"Zoom=X1.0"}), JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.zoom = 1;
                  }},
        BlockCase{"FlashWithoutDigitsIsZero", Camera("M", {"Flash=1", "Flash=on"}),
                  JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"DecimalsReadLikeAtoi", Camera("M", {"Flash= \t-12abc", "Macro=+7.5"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = -12;
                      r.macro = 7;
                  }},
        BlockCase{"DecimalsClampInsteadOfOverflowing",
                  Camera("M", {"Flash=99999999999", "Macro=-99999999999", "Resolution=2147483647"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = INT_MAX;
                      r.macro = INT_MIN;
                      r.resolution = 2147483647;
                  }},
        BlockCase{"KeysArePrefixes",
                  Camera("M", {"IDx=abc", "Resolutio=5", "Macros=1", "Typed=SR", "Flashy=1"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.cameraId = "abc";
                      r.resolution = 5;
                      r.macro = 1;
                      r.cameraType = "SR";
                      r.flash = 1;
                  }},
        BlockCase{"KeysAreCaseSensitive",
                  Camera("M", {"resolution=5", "FLASH=1", "id=x", "Timedate=0"}),
                  JpegReadResult::Read, [](JpegCameraInfo& r) { r.maker = "M"; }},
        BlockCase{"LaterLineWins",
                  Camera("M", {"Type=AAA", "Resolution=1", "Type=BBB", "Resolution=5"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.cameraType = "BBB";
                      r.resolution = 5;
                  }},
        BlockCase{"TextValuesAfterFirstEquals",
                  Camera("M", {"Type=A=B", "Version= v 1 ", "Serial#=", "ID=OLYMPUS CAMERA"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.cameraType = "A=B";
                      r.cameraVersion = " v 1 ";
                      r.cameraId = "OLYMPUS CAMERA";
                  }},
        BlockCase{"KeyWithoutEqualsSkipped",
                  Camera("M", {"Flash=1", "Flash 0", "ID=CAM", "ID CAM2", "TimeDate"}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.flash = 1;
                      r.cameraId = "CAM";
                  }},
        BlockCase{"OverlongTextsCut",
                  Camera("M", {"Type=ABCDEFG", "Serial#=" + Letters(20), "Version=" + Letters(28),
                               "ID=" + Letters(33)}),
                  JpegReadResult::Read,
                  [](JpegCameraInfo& r) {
                      r.maker = "M";
                      r.cameraType = "ABCDE";
                      r.serialNo = Letters(14);
                      r.cameraVersion = Letters(14);
                      r.cameraId = Letters(31);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// Blocks that the file reader meets over more than one chunk of the file.
INSTANTIATE_TEST_SUITE_P(LongBlocks, CameraBlockTest,
                         testing::Values(BlockCase{"ManySkippedLines",
                                                   Camera("M",
                                                          [] {
                                                              std::vector<std::string> lines(
                                                                  2000, "Shutter=8971");
                                                              lines.push_back("Flash=1");
                                                              return lines;
                                                          }()),
                                                   JpegReadResult::Read,
                                                   [](JpegCameraInfo& r) {
                                                       r.maker = "M";
                                                       r.flash = 1;
                                                   }},
                                         BlockCase{
                                             "BlockAfterFourKilobytes",
                                             Jpeg(test::CameraTextBlock("M", {"Flash=1"}), 4064),
                                             JpegReadResult::Read,
                                             [](JpegCameraInfo& r) {
                                                 r.maker = "M";
                                                 r.flash = 1;
                                             }}),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines of skipped text that make the block exactly size bytes long after its maker line "M".
std::string BlockPrefixOfSize(std::size_t size) {
    std::string block = "M\r\n";
    while (block.size() < size) {
        const std::size_t room = size - block.size();
        const std::size_t text = room >= 32 ? 20 : room - 2;  // the last line fills the gap
        block += std::string(text, 's') + "\r\n";
    }
    return block;
}

TEST(CameraBlockChunkTest, SettingLineReadWhereverItCrossesAChunkBoundary) {
    const test::TempFolder folder;
    const std::string path = folder.Join("P0000001.JPG");
    for (std::size_t start = 4080; start <= 4100; ++start) {
        SCOPED_TRACE("setting line at block offset " + std::to_string(start));
        test::WriteJpegWithCameraText(path,
                                      BlockPrefixOfSize(start) + "Flash=1\r\n[diag info]\r\n");
        JpegCameraInfo info;
        ASSERT_EQ(ReadJpegCameraInfo(path, info), JpegReadResult::Read);
        EXPECT_EQ(info.flash, 1);
    }
}

struct OffsetCase {
    const char* name;
    Bytes file;
    long expected;
    friend void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }
};

class TextOffsetTest : public testing::TestWithParam<OffsetCase> {};

TEST_P(TextOffsetTest, ComputesThePositionFromBytes22And23) {
    const test::TempFolder folder;
    const std::string path = folder.Join("P0000001.JPG");
    test::WriteFileBytes(path, GetParam().file);
    EXPECT_EQ(GetJpegTextOffset(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextOffsetTest,
    testing::Values(OffsetCase{"Length16", Jpeg("M\r\n", 0x0010), 42},
                    OffsetCase{"Length256", Jpeg("M\r\n", 0x0100), 282},
                    OffsetCase{"HighByteAbove127", Jpeg("M\r\n", 0x8000), 32794},
                    OffsetCase{"LargestLength", Jpeg("M\r\n", 0xFFFF), 65561},
                    OffsetCase{"OnlyBytes22And23Count",
                               [] {
                                   Bytes bytes(24, 0xFF);
                                   bytes[22] = 0x00;
                                   bytes[23] = 0x10;
                                   return bytes;
                               }(),
                               42},
                    OffsetCase{"FileOf23Bytes", FirstBytes(Jpeg("M\r\n"), 23), -2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegCameraInfoTest, MissingFileCannotBeOpenedAndLeavesClearedRecord) {
    const test::TempFolder folder;
    const std::string path = folder.Join("absent.JPG");
    EXPECT_EQ(GetJpegTextOffset(path), -1);
    JpegCameraInfo info = DirtyRecord();
    EXPECT_EQ(ReadJpegCameraInfo(path, info), JpegReadResult::CannotOpen);
    ExpectSameRecord(info, ClearedDirtyRecord());
}

TEST(JpegCameraInfoTest, FolderCannotBeOpened) {
    const test::TempFolder folder;
    JpegCameraInfo info;
    EXPECT_EQ(GetJpegTextOffset(folder.path()), -1);
    EXPECT_EQ(ReadJpegCameraInfo(folder.path(), info), JpegReadResult::CannotOpen);
}

// Real files, read from the samples folder.
struct SampleCase {
    const char* name;
    const char* file;  // under the samples folder
    JpegReadResult expected;
    RecordChange record;
    friend void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }
};

class CameraSampleTest : public testing::TestWithParam<SampleCase> {};

TEST_P(CameraSampleTest, GivesTheResultWorkedOutFromItsBytes) {
    if (!test::SamplesFolderPresent()) {
        GTEST_SKIP() << "the samples folder is absent: " << test::SamplesFolder();
    }
    const std::filesystem::path path = test::SamplesFolder() / GetParam().file;
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << "sample file missing: " << path;
    const test::ScopedTimeZone zone("EST5EDT");
    JpegCameraInfo fromFile = DirtyRecord();
    EXPECT_EQ(ReadJpegCameraInfo(path.string(), fromFile), GetParam().expected);
    JpegCameraInfo fromMemory = DirtyRecord();
    EXPECT_EQ(ParseJpegCameraInfo(test::ReadFileBytes(path.string()), fromMemory),
              GetParam().expected);
    ExpectSameRecord(fromMemory, fromFile);
    JpegCameraInfo expected = ClearedDirtyRecord();
    GetParam().record(expected);
    ExpectSameRecord(fromFile, expected);
}

// The Olympus block, as the camera wrote it. The maker line's NUL is the one tolerated; the
// ImageSize 1280-1024 is none of the four known sizes, and Zoom=0 does not begin with "x1.0".
// The fuzz damage (header bytes, lines after "[diag info]") lies where the reader never looks.
void OlympusRecord(JpegCameraInfo& r) {
    r.maker = "OL?MPUS OPTICAL CO.,LTD.  985";
    r.shotTime = Utc(97, 0, 1, 0, 4, 49, 3, 0);  // ExifTool: 1997:01:01 00:04:49
    r.flash = 0;
    r.resolution = 2;
    r.zoom = 1;
    r.cameraType = "DCHT";
    r.cameraVersion = "vf0-3c";
    r.cameraId = "OLYMPUS DIGITAL CAMERA";
}

INSTANTIATE_TEST_SUITE_P(
    Samples, CameraSampleTest,
    testing::Values(
        SampleCase{"OlympusFuzzed",
                   "metadata-extractor-images/21ad703b38e2c350215bb92a849486f3.jpg",
                   JpegReadResult::Read, OlympusRecord},
        SampleCase{"OlympusHeaderRepaired", "derived/21ad703b-header-repaired.jpg",
                   JpegReadResult::Read, OlympusRecord},
        // Position 3611 lies in UTF-16 XMP text: "\0r\0d...": the second NUL ends the read.
        SampleCase{"ExifToolBlockElsewhere", "exiftool-t-images/ExifTool.jpg",
                   JpegReadResult::LayoutDiffers, kNothingButCleared},
        // Position 5474 (and 8739) lies in a quantisation table: a NUL, then a LF at byte 14
        // ends the first line before any CR.
        SampleCase{"SanyoExifOnly", "metadata-extractor-images/Sanyo SR662.jpg",
                   JpegReadResult::LayoutDiffers, kNothingButCleared},
        SampleCase{"OlympusExifOnly", "metadata-extractor-images/Olympus C2040Z.jpg",
                   JpegReadResult::LayoutDiffers, kNothingButCleared}),
    [](const auto& info) { return std::string(info.param.name); });

// ExifTool's Agfa block lies away from the fixed position in its file; moved to that position
// it reads fully, and its TimeDate gives ExifTool's DateTimeOriginal 1998:12:31 15:17:20.
TEST(AgfaSampleTest, BlockReadAtTheFixedPosition) {
    if (!test::SamplesFolderPresent()) {
        GTEST_SKIP() << "the samples folder is absent: " << test::SamplesFolder();
    }
    const std::filesystem::path path = test::SamplesFolder() / "exiftool-t-images/ExifTool.jpg";
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << "sample file missing: " << path;
    const Bytes sample = test::ReadFileBytes(path.string());
    const std::string maker = "Agfa Gevaert";
    const auto found = std::search(sample.begin(), sample.end(), maker.begin(), maker.end());
    ASSERT_NE(found, sample.end());
    const auto start = static_cast<std::size_t>(found - sample.begin());
    ASSERT_GE(start, 4u);
    ASSERT_EQ(sample[start - 4], 0xFF);
    ASSERT_EQ(sample[start - 3], 0xEC) << "the block is the data of an APP12 segment";
    const std::size_t length = sample[start - 2] * 256u + sample[start - 1] - 2;
    ASSERT_LE(start + length, sample.size());
    const std::string block(sample.begin() + static_cast<std::ptrdiff_t>(start),
                            sample.begin() + static_cast<std::ptrdiff_t>(start + length));

    const test::ScopedTimeZone zone("JST-9");
    const test::TempFolder folder;
    const std::string moved = folder.Join("AGFA.JPG");
    test::WriteJpegWithCameraText(moved, block);
    JpegCameraInfo info = DirtyRecord();
    ASSERT_EQ(ReadJpegCameraInfo(moved, info), JpegReadResult::Read);
    JpegCameraInfo expected = ClearedDirtyRecord();
    expected.maker = "Agfa Gevaert     721";
    expected.shotTime = Utc(98, 11, 31, 15, 17, 20, 4, 364);
    expected.resolution = 5;  // ImageSize 1280-960 is none of the known sizes
    expected.zoom = 1;
    expected.cameraType = "SR84";
    expected.serialNo = "#00000001";
    expected.cameraVersion = "v84-71";
    expected.cameraId = "AGFA DIGITAL CAMERA";
    ExpectSameRecord(info, expected);
}

}  // namespace
}  // namespace kadoro
