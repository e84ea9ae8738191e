// Converting .JPG images on real files: names from the camera text or the file time, failures.
#include "convert/jpeg_converter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixture_files.h"
#include "support/jpeg_fixture.h"
#include "support/scoped_time_zone.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

// 1997-11-23 14:05:09 UTC; 23:05:09 in the JST-9 zone these tests run in.
constexpr const char* kTimeDateLine = "TimeDate=880293909";
// 2003-01-15 08:30:00 JST-9, the file time of every fixture.
constexpr std::time_t kFileTime = 1042587000;

class JpegConverterTest : public testing::Test {
protected:
    JpegConverterTest()
        : source_(folder_.MakeFolder("card")), destination_(folder_.MakeFolder("out")) {}

    void Write(const std::string& name, const std::string& block) {
        test::WriteJpegWithCameraText(Source(name), block);
        test::SetLastWriteTime(Source(name), kFileTime);
    }
    JpegConvertResult Convert(const std::string& name, RunOptions options) {
        ConversionContext context(log_, options);
        return ConvertJpegFile(context, source_, name, destination_);
    }
    std::string Source(const std::string& name) const { return source_ + "/" + name; }
    std::string Destination(const std::string& name) const { return destination_ + "/" + name; }

    test::ScopedTimeZone zone_{"JST-9"};
    test::TempFolder folder_;
    std::string source_;
    std::string destination_;
    CollectingLogSink log_;
};

struct NameCase {
    const char* name;
    std::string block;
    int scheme;
    const char* expectedName;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class JpegNameTest : public JpegConverterTest, public testing::WithParamInterface<NameCase> {};

TEST_P(JpegNameTest, CopiesUnderTheNameFromTheCameraText) {
    Write("PICT0012.JPG", GetParam().block);
    EXPECT_EQ(Convert("PICT0012.JPG", {GetParam().scheme, false}), JpegConvertResult::Converted);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[PICT0012.JPG] →",
                                   "新名[" + std::string(GetParam().expectedName) + "]"}));
    EXPECT_EQ(test::ReadFileBytes(Destination(GetParam().expectedName)),
              test::ReadFileBytes(Source("PICT0012.JPG")));
    EXPECT_EQ(test::LastWriteTime(Destination(GetParam().expectedName)), kFileTime);
}

const std::string kOlympus = std::string("OLYMPUS OPTICAL CO.,LTD.\0 985", 29);

INSTANTIATE_TEST_SUITE_P(
    Cases, JpegNameTest,
    testing::Values(
        NameCase{"UtcShootingTime",
                 test::CameraTextBlock(kOlympus, {kTimeDateLine, "ImageSize=640-480"}), 0,
                 "OLYMPUS 1997-11-23 1405 012 640x480.jpg"},
        NameCase{
            "HighFineSize",
            test::CameraTextBlock(kOlympus, {kTimeDateLine, "Resolution=3", "ImageSize=1024-768"}),
            4, "1997-11-23 1405 012 H.jpg"},
        NameCase{"SanyoByResolution",
                 test::CameraTextBlock("Sanyo Electric",
                                       {kTimeDateLine, "Resolution=2", "ImageSize=320-240"}),
                 2, "1997-11-23 1405 640x480 CP200 012.jpg"},
        NameCase{"SeikoWithoutSize", test::CameraTextBlock("SEIKO EPSON", {kTimeDateLine}), 1,
                 "1997-11-23 1405 012  CP500.jpg"},
        NameCase{"NoTimeDateUsesLocalFileTime",
                 test::CameraTextBlock(kOlympus, {"ImageSize=320-240"}), 10, "030115-083000.jpg"},
        NameCase{"TimeDateMinusOneUsesFileTime", test::CameraTextBlock("Agfa", {"TimeDate=-1"}), 3,
                 "2003-01-15 0830 012 .jpg"},
        NameCase{"EmptyBlockUsesFileTimeAndNoLabels", test::CameraTextBlock("", {}), 0,
                 " 2003-01-15 0830 012 .jpg"},
        NameCase{"TwoDigitYearOf2003IsZeroPadded",
                 test::CameraTextBlock("SEIKO", {"TimeDate=1042587000"}), 8, "030114-012.jpg"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JpegConverterTest, FirstLineDiagInfoIsAnEmptyRecord) {
    Write("P1.JPG", std::string("[diag info]\r\n"));
    EXPECT_EQ(Convert("P1.JPG", {5, false}), JpegConvertResult::Converted);
    EXPECT_EQ(log_.lines().back(), "新名[2003-01-15 0830 .jpg]");
}

TEST_F(JpegConverterTest, RejectedCameraTextNamesTheFullPath) {
    Write("P1.JPG", "OLYMPUS\r\nTimeDate=880293909\r\n");  // no "[diag info]" line
    EXPECT_EQ(Convert("P1.JPG", {0, true}), JpegConvertResult::FormatDiffers);
    EXPECT_EQ(log_.lines(),
              (Lines{"旧名[P1.JPG] →", "フォーマットが違います! [" + Source("P1.JPG") + "]"}));
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
    EXPECT_TRUE(std::filesystem::exists(Source("P1.JPG")));
}

TEST_F(JpegConverterTest, MissingFileCannotBeOpened) {
    EXPECT_EQ(Convert("P1.JPG", {0, false}), JpegConvertResult::CannotOpen);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P1.JPG] →", "ファイルがオープンできません!"}));
}

TEST_F(JpegConverterTest, TakenNameGetsASuffix) {
    Write("PICT0012.JPG", test::CameraTextBlock(kOlympus, {kTimeDateLine}));
    test::WriteFileBytes(Destination("971123-012.jpg"), {'o', 'l', 'd'});
    EXPECT_EQ(Convert("PICT0012.JPG", {8, false}), JpegConvertResult::Converted);
    EXPECT_EQ(log_.lines().back(), "新名[971123-012-001.jpg]");
    EXPECT_EQ(test::ReadFileBytes(Destination("971123-012.jpg")), (test::Bytes{'o', 'l', 'd'}));
}

TEST_F(JpegConverterTest, DeleteSwitchAndItsRefusal) {
    Write("PICT0012.JPG", test::CameraTextBlock(kOlympus, {kTimeDateLine}));
    Write("PICT0013.JPG", test::CameraTextBlock(kOlympus, {kTimeDateLine}));
    test::SetPermissionBits(Source("PICT0013.JPG"), 0444);

    EXPECT_EQ(Convert("PICT0012.JPG", {8, true}), JpegConvertResult::Converted);
    EXPECT_EQ(log_.lines().back(), "削除[" + Source("PICT0012.JPG") + "]");
    EXPECT_FALSE(std::filesystem::exists(Source("PICT0012.JPG")));

    EXPECT_EQ(Convert("PICT0013.JPG", {8, true}), JpegConvertResult::DeleteFailed);
    EXPECT_EQ(log_.lines().back(), "削除失敗");
    EXPECT_TRUE(std::filesystem::exists(Source("PICT0013.JPG")));
    EXPECT_TRUE(std::filesystem::exists(Destination("971123-013.jpg")));
}

TEST_F(JpegConverterTest, CopyErrorHasItsExclamationMark) {
    Write("PICT0012.JPG", test::CameraTextBlock(kOlympus, {kTimeDateLine}));
    destination_ = Source("PICT0012.JPG");  // a file, not a folder
    EXPECT_EQ(Convert("PICT0012.JPG", {8, true}), JpegConvertResult::CopyFailed);
    EXPECT_EQ(log_.lines().back(), "コピーエラー!");
    EXPECT_TRUE(std::filesystem::exists(Source("PICT0012.JPG")));
}

}  // namespace
}  // namespace kadoro
