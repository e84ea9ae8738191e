// The conversion run driver on real folders: which files go to which converter, in what order.
#include "convert/run_driver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/jpeg_fixture.h"
#include "support/rel_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class RunDriverTest : public testing::Test {
protected:
    RunDriverTest() {
        request_.sourceFolder = folder_.MakeFolder("card");
        request_.destinationFolder = folder_.MakeFolder("out");
        request_.options = {8, false};
    }
    void AddJ6i(const std::string& name, bool selected = true, test::J6iFixture fixture = {}) {
        test::WriteJ6iFile(request_.sourceFolder + "/" + name, fixture);
        request_.files.push_back({name, selected});
    }
    void AddOther(const std::string& name) {
        test::WriteJ6iFile(request_.sourceFolder + "/" + name);
        request_.files.push_back({name, true});
    }
    RunSummary Run() { return RunConversion(request_, log_); }

    test::TempFolder folder_;
    RunRequest request_;
    CollectingLogSink log_;
};

TEST_F(RunDriverTest, SelectedFilesInListOrderEachAfterItsNameLine) {
    AddJ6i("P0000001.J6I");
    AddJ6i("P0000002.J6I", false);
    AddJ6i("p0000003.j6i");
    log_.AppendLine("a line from an earlier report");

    const RunSummary summary = Run();
    EXPECT_EQ(log_.lines(), (Lines{"P0000001.J6I", "旧名[P0000001.J6I]", "新名[971123-001.j6i]",
                                   "p0000003.j6i", "旧名[p0000003.j6i]", "新名[971123-003.j6i]"}));
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_EQ(summary.lastExt, ".J6I");
    EXPECT_FALSE(summary.fileListNeedsReread);
}

TEST_F(RunDriverTest, FilesOfOtherKindsGetOnlyTheirNameLine) {
    for (const char* name : {"photo.JPEG", "pic.BMP", "noextension", "photo.j6i.bak"}) {
        AddOther(name);
    }
    const RunSummary summary = Run();
    EXPECT_EQ(log_.lines(), (Lines{"photo.JPEG", "pic.BMP", "noextension", "photo.j6i.bak"}));
    EXPECT_EQ(summary.converted + summary.failed, 0);
    EXPECT_EQ(summary.lastExt, ".BAK");
    EXPECT_TRUE(test::FolderEntries(request_.destinationFolder).empty());
}

TEST_F(RunDriverTest, RelIndexGoesToTheIndexConverterInAnyLetterCase) {
    AddJ6i("P0000007.J6I", false);
    test::RelFixture index;
    index.records = {test::SingleImage("p0000007")};
    test::WriteRelFile(request_.sourceFolder + "/index.rel", index);
    request_.files.push_back({"index.rel", true});

    const RunSummary summary = Run();
    EXPECT_EQ(log_.lines(), (Lines{"index.rel", "旧名[P0000007.J6I]", "新名[971123-001.j6i]"}));
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.lastExt, ".REL");
}

TEST_F(RunDriverTest, JpegGoesToTheJpegConverterInAnyLetterCase) {
    test::WriteJpegWithCameraText(request_.sourceFolder + "/dsc0001.jpg",
                                  test::CameraTextBlock("OLYMPUS", {"TimeDate=880293909"}));
    request_.files.push_back({"dsc0001.jpg", true});
    const RunSummary summary = Run();
    EXPECT_EQ(log_.lines(), (Lines{"dsc0001.jpg", "旧名[dsc0001.jpg] →", "新名[971123-001.jpg]"}));
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.lastExt, ".JPG");
}

TEST_F(RunDriverTest, AFailingFileDoesNotStopTheRun) {
    request_.files.push_back({"absent.J6I", true});
    AddJ6i("P0000002.J6I");
    const RunSummary summary = Run();
    EXPECT_EQ(log_.lines(), (Lines{"absent.J6I", "旧名[absent.J6I]", "ファィルオープンエラー",
                                   "P0000002.J6I", "旧名[P0000002.J6I]", "新名[971123-002.j6i]"}));
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.failed, 1);
}

TEST_F(RunDriverTest, NothingSelectedLeavesAnEmptyLog) {
    AddJ6i("P0000001.J6I", false);
    log_.AppendLine("old");
    const RunSummary summary = Run();
    EXPECT_TRUE(log_.lines().empty());
    EXPECT_EQ(summary.lastExt, "");
    EXPECT_FALSE(summary.fileListNeedsReread);
}

TEST_F(RunDriverTest, FileListIsRereadAfterDeletingOrCopyingIntoTheSameFolder) {
    request_.options.deleteSource = true;
    EXPECT_TRUE(Run().fileListNeedsReread);

    request_.options.deleteSource = false;
    request_.destinationFolder = request_.sourceFolder;
    EXPECT_TRUE(Run().fileListNeedsReread);

    request_.destinationFolder = folder_.Join("CARD");  // differs only in letter case
    EXPECT_FALSE(Run().fileListNeedsReread);
}

TEST_F(RunDriverTest, BurstShotsGetConsecutiveSuffixes) {
    request_.options.schemeIndex = 10;  // no sequence text: one base name for all
    for (int i = 1; i <= 4; ++i)
        AddJ6i("P000000" + std::to_string(i) + ".J6I");
    Run();
    EXPECT_EQ(test::FolderEntries(request_.destinationFolder),
              (Lines{"971123-140509-001.j6i", "971123-140509-002.j6i", "971123-140509-003.j6i",
                     "971123-140509.j6i"}));
}

TEST_F(RunDriverTest, NamesFreedByDeletingInTheDestinationAreUsedAgain) {
    // In one folder, the first file already bears the new name, so its copy gets -001 and the
    // file itself is then deleted: the next file gets the freed base name, as a fresh search
    // would give it.
    request_.destinationFolder = request_.sourceFolder;
    request_.options = {10, true};
    AddJ6i("971123-140509.j6i");
    AddJ6i("P0000002.J6I");
    Run();
    EXPECT_EQ(test::FolderEntries(request_.sourceFolder),
              (Lines{"971123-140509-001.j6i", "971123-140509.j6i"}));
    EXPECT_EQ(log_.lines()[2], "新名[971123-140509-001.j6i]");
    EXPECT_EQ(log_.lines()[6], "新名[971123-140509.j6i]");
}

}  // namespace
}  // namespace kadoro
