// The .JPG part of the information report, on built files and on real camera files.
#include "report/file_info_report.h"

#include <gtest/gtest.h>

#include "report/report_test_support.h"
#include "support/jpeg_fixture.h"
#include "support/scoped_time_zone.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class JpegReportTest : public testing::Test {
protected:
    // The lines after the three general ones.
    Lines CameraLines(const std::string& block,
                      FileInfoResult expected = FileInfoResult::Complete) {
        const std::string path = folder_.Join("PICT0001.JPG");
        test::WriteJpegWithCameraText(path, block);
        EXPECT_EQ(ShowFileInfo(path, log_, &test::IsoTimeStamp), expected);
        return Lines(log_.lines().begin() + std::min<std::size_t>(3, log_.lines().size()),
                     log_.lines().end());
    }

    test::ScopedTimeZone zone_{"JST-9"};
    test::TempFolder folder_;
    CollectingLogSink log_;
};

TEST_F(JpegReportTest, ShowsTheTenCameraLines) {
    const Lines lines = CameraLines(test::CameraTextBlock(
        std::string("OLYMPUS OPTICAL CO.,LTD.\0 985", 29),
        {"TimeDate=880293909", "Flash=1", "Resolution=3", "ImageSize=1024-768", "Zoom=x2.0",
         "Macro=0", "Type=DCHT", "Serial#=123", "Version=vf0-3c", "ID=OLYMPUS DIGITAL CAMERA"}));
    EXPECT_EQ(lines, (Lines{"メーカー             : OLYMPUS OPTICAL CO.,LTD.  985",
                            "撮影時刻             : 1997年11月23日 14:05:09",
                            "フラッシュ           : 使用", "解像度No             : 3",
                            "画像サイズ           : 1024x768(高精細)",
                            "ズーム               : 使用", "マクロ               : 未使用",
                            "カメラタイプ         : DCHT", "カメラバージョン     : vf0-3c",
                            "カメラＩＤ           : OLYMPUS DIGITAL CAMERA"}));
}

TEST_F(JpegReportTest, ValuesTheFileDoesNotGive) {
    const Lines lines =
        CameraLines(test::CameraTextBlock("Agfa", {"TimeDate=-1", "ImageSize=1024-768"}));
    EXPECT_EQ(lines.at(1), "撮影時刻             : 撮影日付なし");
    EXPECT_EQ(lines.at(3), "解像度No             : -1");
    EXPECT_EQ(lines.at(4), "画像サイズ           : 1024x768(精細)");

    EXPECT_EQ(CameraLines(test::CameraTextBlock("Agfa", {"ImageSize=1280-960"})).at(4),
              "画像サイズ           : 不明");
}

TEST_F(JpegReportTest, EmptyBlockShowsTheClearedRecord) {
    EXPECT_EQ(CameraLines("[diag info]\r\n"),
              (Lines{"メーカー             : ", "撮影時刻             : 撮影日付なし",
                     "フラッシュ           : 未使用", "解像度No             : -1",
                     "画像サイズ           : 不明", "ズーム               : 未使用",
                     "マクロ               : 未使用", "カメラタイプ         : ",
                     "カメラバージョン     : ", "カメラＩＤ           : "}));
}

TEST_F(JpegReportTest, Cp932TextsAreShownDecoded) {
    // The maker is cut at its 29 bytes between the two bytes of メ; the ID is already UTF-8.
    const Lines lines = CameraLines(test::CameraTextBlock(
        "\x83\x4A\x83\x81\x83\x89 DIGITAL \xB6\xD2\xD7 CO.,LTD\x83\x4A\x83\x81\x83\x89",
        {"Type=\x8E\xCA\x90\x5E", "Version=v1\x80", "ID=カメラ"}));
    EXPECT_EQ(lines.at(0), "メーカー             : カメラ DIGITAL ｶﾒﾗ CO.,LTDカ?");
    EXPECT_EQ(lines.at(7), "カメラタイプ         : 写真");
    EXPECT_EQ(lines.at(8), "カメラバージョン     : v1?");
    EXPECT_EQ(lines.at(9), "カメラＩＤ           : カメラ");
}

TEST_F(JpegReportTest, MalformedCameraTextHasNoInformation) {
    EXPECT_EQ(CameraLines("OLYMPUS\r\nno end line\r\n", FileInfoResult::LayoutDiffers),
              Lines{"情報がありません"});
}

}  // namespace
}  // namespace kadoro
