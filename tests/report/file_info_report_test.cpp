// The information report's general lines and its .J6I part, on real files.
#include "report/file_info_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "report/report_test_support.h"
#include "support/j6i_fixture.h"
#include "support/scoped_time_zone.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class FileInfoReportTest : public testing::Test {
protected:
    std::string Write(const std::string& name, const test::Bytes& bytes) {
        const std::string path = folder_.Join(name);
        test::WriteFileBytes(path, bytes);
        test::SetLastWriteTime(path, test::kStampSeconds);
        return path;
    }
    FileInfoResult Report(const std::string& path) {
        return ShowFileInfo(path, log_, &test::IsoTimeStamp);
    }

    test::ScopedTimeZone zone_{"JST-9"};
    test::TempFolder folder_;
    CollectingLogSink log_;
};

TEST_F(FileInfoReportTest, J6iReportShowsTheHeaderFields) {
    test::J6iFixture fixture;
    fixture.date = {0x97, 0x05, 0x03, 0x14, 0x07, 0x09};
    fixture.dscVersionMajor = 1;
    fixture.dscVersionMinor = 2;
    fixture.headerSize = 512;
    fixture.dcVersion = "DC-2 V1.0";
    fixture.totalSize = 2000;
    const std::string path = Write("P0000012.j6i", test::MakeJ6iBytes(fixture));

    EXPECT_EQ(Report(path), FileInfoResult::Complete);
    EXPECT_EQ(log_.lines(),
              (Lines{"[P0000012.j6i]の情報", "ﾌｧｲﾙ ｻｲｽﾞ            : 2000ﾊﾞｲﾄ", test::kStampLine,
                     "撮 影 日 付          : 1997年05月03日 14:07:09", "DSCﾊﾞｰｼﾞｮﾝ           : 1.2",
                     "ﾍﾞｯﾀﾞｰｻｲｽﾞ           : 512ﾊﾞｲﾄ", "DCﾊﾞｰｼﾞｮﾝ            : DC-2 V1.0"}));
}

TEST_F(FileInfoReportTest, J6iYearsGetTheirCenturyAndInvalidBcdShowsInFull) {
    test::J6iFixture fixture;
    fixture.date = {0x01, 0x9F, 0x31, 0x00, 0x00, 0x00};
    Report(Write("P1.J6I", test::MakeJ6iBytes(fixture)));
    EXPECT_EQ(log_.lines().at(3), "撮 影 日 付          : 2001年105月31日 00:00:00");

    fixture.date = {0x9F, 0x01, 0x01, 0x00, 0x00, 0x00};
    Report(Write("P2.J6I", test::MakeJ6iBytes(fixture)));
    EXPECT_EQ(log_.lines().at(3), "撮 影 日 付          : 19105年01月01日 00:00:00");
}

struct ReportCase {
    const char* name;
    const char* fileName;
    test::Bytes content;
    FileInfoResult expected;
    Lines linesAfterGeneralOnes;
    friend void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }
};

class ShortReportTest : public FileInfoReportTest,
                        public testing::WithParamInterface<ReportCase> {};

TEST_P(ShortReportTest, EndsAfterTheGeneralLines) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(Report(Write(c.fileName, c.content)), c.expected);
    Lines expected = {"[" + std::string(c.fileName) + "]の情報",
                      "ﾌｧｲﾙ ｻｲｽﾞ            : " + std::to_string(c.content.size()) + "ﾊﾞｲﾄ",
                      test::kStampLine};
    expected.insert(expected.end(), c.linesAfterGeneralOnes.begin(), c.linesAfterGeneralOnes.end());
    EXPECT_EQ(log_.lines(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortReportTest,
    testing::Values(
        ReportCase{
            "RelIndex", "P0000001.REL", test::Bytes(600, 0x80), FileInfoResult::RelIndex, {}},
        ReportCase{
            "OtherExtension", "notes.txt", test::Bytes(5, 'x'), FileInfoResult::Complete, {}},
        ReportCase{
            "FourLetterJpeg", "photo.JPEG", test::Bytes(40, 0xFF), FileInfoResult::Complete, {}},
        ReportCase{"NoExtension", "README", test::Bytes{}, FileInfoResult::Complete, {}},
        ReportCase{"ShortJ6i",
                   "P1.J6I",
                   test::Bytes(100, 0x80),
                   FileInfoResult::HeaderShort,
                   {"ファィル読み込みエラー"}},
        ReportCase{"EmptyJ6i",
                   "P1.J6I",
                   test::Bytes{},
                   FileInfoResult::HeaderShort,
                   {"ファィル読み込みエラー"}},
        ReportCase{"NotJ6i",
                   "P1.j6i",
                   test::Bytes(144, 0x20),
                   FileInfoResult::LayoutDiffers,
                   {"J6Iファイルではありません"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileInfoReportTest, FileThatCannotBeOpenedEndsTheReport) {
    log_.AppendLine("a line of the previous report");
    EXPECT_EQ(Report(folder_.Join("absent.J6I")), FileInfoResult::CannotOpen);
    EXPECT_EQ(log_.lines(), (Lines{"[absent.J6I]の情報", "ファイルオープンエラー"}));

    EXPECT_EQ(Report(folder_.MakeFolder("folder.JPG")), FileInfoResult::CannotOpen);
    EXPECT_EQ(log_.lines().back(), "ファイルオープンエラー");
}

TEST_F(FileInfoReportTest, TimeStampInTwoSecondStepsWithoutTimeAtMidnight) {
    struct StampCase {
        std::time_t seconds;  // JST-9
        const char* expected;
    };
    const std::string path = Write("a.txt", {1});
    for (const StampCase& c :
         {StampCase{880261511, "1997/11/23 14:05:10"}, StampCase{880210800, "1997/11/23"},
          StampCase{880210801, "1997/11/23"}, StampCase{880210802, "1997/11/23 00:00:02"}}) {
        test::SetLastWriteTime(path, c.seconds);
        Report(path);
        EXPECT_EQ(log_.lines().at(2), std::string("ﾌｧｲﾙ ﾀｲﾑｽﾀﾝﾌﾟ        : ") + c.expected)
            << c.seconds;
    }
}

TEST_F(FileInfoReportTest, SizesBeyond32BitsArePrintedInFull) {
    const std::string path = folder_.Join("huge.txt");
    test::WriteFileBytes(path, {});
    std::filesystem::resize_file(path, 5'000'000'000);  // sparse: takes no disk space
    Report(path);
    EXPECT_EQ(log_.lines().at(1), "ﾌｧｲﾙ ｻｲｽﾞ            : 5000000000ﾊﾞｲﾄ");
}

TEST(TimeStampFormatTest, CLibraryFormatFollowsTheLocale) {
    std::tm local{};
    local.tm_year = 97;
    local.tm_mon = 10;
    local.tm_mday = 23;
    local.tm_hour = 14;
    local.tm_min = 5;
    local.tm_sec = 8;
    EXPECT_EQ(FormatTimeStampWithCLibrary(local, true), "11/23/97 14:05:08");
    EXPECT_EQ(FormatTimeStampWithCLibrary(local, false), "11/23/97");
}

}  // namespace
}  // namespace kadoro
