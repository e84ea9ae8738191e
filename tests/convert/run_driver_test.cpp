// The conversion run driver on real folders: which files go to which converter, in what order.
#include "convert/run_driver.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/fault_injection.h"

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
    std::string Source(const std::string& name) const { return request_.sourceFolder + "/" + name; }
    Lines SourceFiles() const { return test::FolderEntries(request_.sourceFolder); }
    Lines Converted() const { return test::FolderEntries(request_.destinationFolder); }

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

struct FlushFailureCase {
    const char* name;
    std::vector<FlushTarget> failing;
    friend void PrintTo(const FlushFailureCase& c, std::ostream* os) { *os << c.name; }
};

class RunFlushFailureTest : public RunDriverTest,
                            public testing::WithParamInterface<FlushFailureCase> {};

TEST_P(RunFlushFailureTest, AFailedFlushFailsTheCopiesAndKeepsTheirSources) {
    request_.options = {10, true};
    for (int i = 1; i <= 3; ++i)
        AddJ6i("P000000" + std::to_string(i) + ".J6I", true,
               {.date = {0x97, 0x11, 0x23, 0x14, static_cast<std::uint8_t>(i), 0x09}});
    const auto& failing = GetParam().failing;
    const ScopedFaultInjection faults(
        {.afterCopyPiece = {}, .flushError = [&failing](FlushTarget target) {
             return std::find(failing.begin(), failing.end(), target) != failing.end() ? EIO : 0;
         }});
    const RunSummary summary = Run();

    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(summary.converted, 0);
    EXPECT_TRUE(Converted().empty());
    EXPECT_EQ(SourceFiles(), (Lines{"P0000001.J6I", "P0000002.J6I", "P0000003.J6I"}));
    EXPECT_EQ(std::count(log_.lines().begin(), log_.lines().end(), "コピーエラー"), 3);
    EXPECT_EQ(std::count_if(log_.lines().begin(), log_.lines().end(),
                            [](const std::string& line) { return line.starts_with("削除"); }),
              0);
}

INSTANTIATE_TEST_SUITE_P(
    Flushes, RunFlushFailureTest,
    testing::Values(FlushFailureCase{"Data", {FlushTarget::File, FlushTarget::FileSystem}},
                    FlushFailureCase{"Folder", {FlushTarget::Folder}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunDriverTest, ASourceThatChangesWhileCopiedIsNeitherCopiedNorDeleted) {
    request_.options.deleteSource = true;
    AddJ6i("P0000001.J6I");
    const ScopedFaultInjection faults({.afterCopyPiece =
                                           [](const std::string& path) {
                                               std::ofstream(path, std::ios::binary | std::ios::app)
                                                   << "written meanwhile";
                                           },
                                       .flushError = {}});
    const RunSummary summary = Run();

    EXPECT_EQ(log_.lines(), (Lines{"P0000001.J6I", "旧名[P0000001.J6I]", "新名[971123-001.j6i]",
                                   "コピーエラー"}));
    EXPECT_EQ(summary.failed, 1);
    EXPECT_TRUE(Converted().empty());
    EXPECT_EQ(SourceFiles(), Lines{"P0000001.J6I"});
}

TEST_F(RunDriverTest, AnIndexWhoseImageCannotBeDeletedEndsThereWhileCopiesCommitInGroups) {
    request_.options = {8, true};
    for (const char* name : {"A.J6I", "B.J6I", "C.J6I"})
        test::WriteJ6iFile(Source(name));
    test::SetPermissionBits(Source("B.J6I"), 0444);
    test::RelFixture index;
    index.records = {test::SingleImage("A"), test::SingleImage("B"), test::SingleImage("C")};
    test::WriteRelFile(Source("INDEX.REL"), index);
    request_.files.push_back({"INDEX.REL", true});
    AddJ6i("P0000009.J6I");

    const RunSummary summary = Run();
    EXPECT_EQ(
        log_.lines(),
        (Lines{"INDEX.REL", "旧名[A.J6I]", "新名[971123-001.j6i]", "削除[" + Source("A.J6I") + "]",
               "旧名[B.J6I]", "新名[971123-002.j6i]", "削除[" + Source("B.J6I") + "]", "削除失敗",
               "P0000009.J6I", "旧名[P0000009.J6I]", "新名[971123-009.j6i]",
               "削除[" + Source("P0000009.J6I") + "]"}));
    EXPECT_EQ(Converted(), (Lines{"971123-001.j6i", "971123-002.j6i", "971123-009.j6i"}));
    EXPECT_EQ(SourceFiles(), (Lines{"B.J6I", "C.J6I", "INDEX.REL"}));
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(summary.converted, 1);
}

class RecordingObserver : public RunObserver {
public:
    void FileStarted(const FileProgress& progress) override {
        events.push_back("start " + Describe(progress));
        if (onStart) onStart(progress);
    }
    void FileFinished(const FileProgress& progress, const FileResult& result) override {
        events.push_back("end " + Describe(progress) + " " + std::to_string(result.code) +
                         (result.outcome == FileOutcome::Stopped ? " stopped" : ""));
    }
    static std::string Describe(const FileProgress& progress) {
        return std::to_string(progress.number) + "/" + std::to_string(progress.count) + " " +
               progress.name;
    }
    Lines events;
    std::function<void(const FileProgress&)> onStart;
};

TEST_F(RunDriverTest, AStopRequestEndsTheRunBetweenFilesWithEverythingCommitted) {
    request_.options.deleteSource = true;
    AddJ6i("P0000001.J6I");
    request_.files.push_back({"absent.J6I", true});
    AddJ6i("P0000003.J6I");
    std::stop_source stop;
    RecordingObserver observer;
    observer.onStart = [&stop](const FileProgress& progress) {
        if (progress.number == 2) stop.request_stop();
    };
    const RunSummary summary = RunConversion(request_, log_, &observer, stop.get_token());

    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.finished, 2u);
    EXPECT_EQ(summary.selected, 3u);
    EXPECT_EQ(observer.events, (Lines{"start 1/3 P0000001.J6I", "start 2/3 absent.J6I",
                                      "end 1/3 P0000001.J6I 0", "end 2/3 absent.J6I 1"}));
    EXPECT_EQ(log_.lines().back(), "ファィルオープンエラー");
    EXPECT_EQ(Converted(), Lines{"971123-001.j6i"});
    EXPECT_EQ(SourceFiles(), Lines{"P0000003.J6I"});
}

TEST_F(RunDriverTest, AStopRequestEndsAnIndexBetweenItsImages) {
    for (const char* name : {"A.J6I", "B.J6I", "C.J6I"})
        test::WriteJ6iFile(Source(name));
    test::RelFixture index;
    index.records = {test::SingleImage("A"), test::SingleImage("B"), test::SingleImage("C")};
    test::WriteRelFile(Source("INDEX.REL"), index);
    request_.files.push_back({"INDEX.REL", true});
    AddJ6i("P0000009.J6I");

    std::stop_source stop;
    const ScopedFaultInjection faults({.afterCopyPiece =
                                           [&stop](const std::string& path) {
                                               if (path.ends_with("/B.J6I")) stop.request_stop();
                                           },
                                       .flushError = {}});
    RecordingObserver observer;
    const RunSummary summary = RunConversion(request_, log_, &observer, stop.get_token());

    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.finished, 0u);
    EXPECT_EQ(observer.events, (Lines{"start 1/2 INDEX.REL", "end 1/2 INDEX.REL 5 stopped"}));
    EXPECT_EQ(Converted(), (Lines{"971123-001.j6i", "971123-002.j6i"}));
    EXPECT_EQ(log_.lines().back(), "新名[971123-002.j6i]");
}

}  // namespace
}  // namespace kadoro
