// kadoro-cli info on a file of each kind: the report's lines and its result as exit status.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/jpeg_fixture.h"
#include "support/rel_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class InfoCommandTest : public testing::Test {
protected:
    // The report lines without the time stamp, whose text follows the locale.
    static Lines WithoutTimeStamp(Lines lines) {
        if (lines.size() > 2) lines.erase(lines.begin() + 2);
        return lines;
    }
    test::TempFolder folder_;
};

TEST_F(InfoCommandTest, J6iFile) {
    const std::string path = folder_.Join("P0000012.J6I");
    test::WriteJ6iFile(path);
    const auto result = test::RunCli({"info", path});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(WithoutTimeStamp(result.outLines()),
              (Lines{"[P0000012.J6I]の情報", "ﾌｧｲﾙ ｻｲｽﾞ            : 4096ﾊﾞｲﾄ",
                     "撮 影 日 付          : 1997年11月23日 14:05:09", "DSCﾊﾞｰｼﾞｮﾝ           : 1.0",
                     "ﾍﾞｯﾀﾞｰｻｲｽﾞ           : 172ﾊﾞｲﾄ", "DCﾊﾞｰｼﾞｮﾝ            : DC2 1.00"}));
    EXPECT_EQ(result.outLines().at(2).rfind("ﾌｧｲﾙ ﾀｲﾑｽﾀﾝﾌﾟ        : ", 0), 0u);
}

TEST_F(InfoCommandTest, JpegFile) {
    const std::string path = folder_.Join("PICT0001.JPG");
    test::WriteJpegWithCameraText(path, test::CameraTextBlock("SEIKO EPSON", {"TimeDate=0"}));
    const auto result = test::RunCli({"info", path});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    ASSERT_EQ(result.outLines().size(), 13u);
    EXPECT_EQ(result.outLines().at(3), "メーカー             : SEIKO EPSON");
    EXPECT_EQ(result.outLines().at(4), "撮影時刻             : 1970年01月01日 00:00:00");
}

TEST_F(InfoCommandTest, ExitStatusIsTheReportsResult) {
    struct StatusCase {
        const char* name;
        test::Bytes content;
        int expectedStatus;
        const char* lastLine;
    };
    test::RelFixture index;
    index.records = {test::SingleImage("P0000001")};
    for (const StatusCase& c : {
             StatusCase{"P0000001.REL", test::MakeRelBytes(index), 1, nullptr},
             StatusCase{"bad.JPG", test::Bytes(100, 0), 2, "情報がありません"},
             StatusCase{"short.J6I", test::Bytes(100, 0x80), 4, "ファィル読み込みエラー"},
         }) {
        const auto result = test::RunCli({"info", folder_.Join(c.name)});
        EXPECT_EQ(result.exitStatus, 3) << c.name << ": not written yet";
        test::WriteFileBytes(folder_.Join(c.name), c.content);
        const auto written = test::RunCli({"info", folder_.Join(c.name)});
        EXPECT_EQ(written.exitStatus, c.expectedStatus) << c.name;
        if (c.lastLine) {
            EXPECT_EQ(written.outLines().back(), c.lastLine) << c.name;
        } else {
            EXPECT_EQ(written.outLines().size(), 3u) << c.name;
        }
    }
}

TEST_F(InfoCommandTest, UsageErrors) {
    for (const Lines& arguments : {Lines{"info"}, Lines{"info", "a.J6I", "b.J6I"}}) {
        const auto result = test::RunCli(arguments);
        EXPECT_EQ(result.exitStatus, 64);
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find("usage: kadoro-cli info FILE"), std::string::npos);
    }
}

}  // namespace
}  // namespace kadoro
