// The information report and the JPEG conversion of the real camera files kept beside the
// repository: the lines the report shows and the names the files get.
#include <gtest/gtest.h>

#include <filesystem>

#include "convert/jpeg_converter.h"
#include "report/file_info_report.h"
#include "report/report_test_support.h"
#include "support/sample_files.h"
#include "support/scoped_time_zone.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

// The Olympus block: its maker line carries the one tolerated NUL (now a blank) and a damaged
// letter; 852077089 is 1997-01-01 00:04:49 UTC, as ExifTool reads it; "1280-1024" is no size the
// cameras of this format wrote, and "Zoom=0" does not begin with "x1.0".
const Lines kOlympusLines = {"メーカー             : OL?MPUS OPTICAL CO.,LTD.  985",
                             "撮影時刻             : 1997年01月01日 00:04:49",
                             "フラッシュ           : 未使用",
                             "解像度No             : 2",
                             "画像サイズ           : 不明",
                             "ズーム               : 使用",
                             "マクロ               : 未使用",
                             "カメラタイプ         : DCHT",
                             "カメラバージョン     : vf0-3c",
                             "カメラＩＤ           : OLYMPUS DIGITAL CAMERA"};

struct SampleCase {
    const char* name;
    const char* file;  // under the samples folder
    FileInfoResult expectedResult;
    Lines expectedCameraLines;
    const char* expectedNewName;  // scheme 3, copied as PICT0001.JPG; nothing when refused
    friend void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }
};

class SampleFileTest : public testing::TestWithParam<SampleCase> {
protected:
    void SetUp() override {
        if (!test::SamplesFolderPresent()) {
            GTEST_SKIP() << "the samples folder is absent: " << test::SamplesFolder();
        }
        const std::filesystem::path sample = test::SamplesFolder() / GetParam().file;
        ASSERT_TRUE(std::filesystem::is_regular_file(sample)) << "sample file missing: " << sample;
        std::filesystem::copy_file(sample, folder_.Join("PICT0001.JPG"));
    }
    test::ScopedTimeZone zone_{"JST-9"};
    test::TempFolder folder_;
};

TEST_P(SampleFileTest, ReportShowsTheCameraLines) {
    CollectingLogSink log;
    EXPECT_EQ(ShowFileInfo(folder_.Join("PICT0001.JPG"), log, &test::IsoTimeStamp),
              GetParam().expectedResult);
    ASSERT_GE(log.lines().size(), 3u);
    EXPECT_EQ(Lines(log.lines().begin() + 3, log.lines().end()), GetParam().expectedCameraLines);
}

TEST_P(SampleFileTest, ConversionNamesTheCopy) {
    const std::string destination = folder_.MakeFolder("out");
    CollectingLogSink log;
    ConversionContext context(log, {3, false});
    const JpegConvertResult result =
        ConvertJpegFile(context, folder_.path(), "PICT0001.JPG", destination);
    if (GetParam().expectedNewName) {
        EXPECT_EQ(result, JpegConvertResult::Converted);
        EXPECT_EQ(log.lines().back(), "新名[" + std::string(GetParam().expectedNewName) + "]");
    } else {
        EXPECT_EQ(result, JpegConvertResult::FormatDiffers);
        EXPECT_EQ(log.lines().back(),
                  "フォーマットが違います! [" + folder_.Join("PICT0001.JPG") + "]");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleFileTest,
    testing::Values(
        SampleCase{"OlympusFuzzed",
                   "metadata-extractor-images/21ad703b38e2c350215bb92a849486f3.jpg",
                   FileInfoResult::Complete, kOlympusLines, "1997-01-01 0004 001 .jpg"},
        SampleCase{"OlympusHeaderRepaired", "derived/21ad703b-header-repaired.jpg",
                   FileInfoResult::Complete, kOlympusLines, "1997-01-01 0004 001 .jpg"},
        // The position rule points into XMP text there, whose UTF-16 NULs end the reading.
        SampleCase{"AgfaBlockElsewhere",
                   "exiftool-t-images/ExifTool.jpg",
                   FileInfoResult::LayoutDiffers,
                   {"情報がありません"},
                   nullptr},
        SampleCase{"SanyoWithoutBlock",
                   "metadata-extractor-images/Sanyo SR662.jpg",
                   FileInfoResult::LayoutDiffers,
                   {"情報がありません"},
                   nullptr},
        SampleCase{"OlympusExifWithoutBlock",
                   "metadata-extractor-images/Olympus C2040Z.jpg",
                   FileInfoResult::LayoutDiffers,
                   {"情報がありません"},
                   nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kadoro
