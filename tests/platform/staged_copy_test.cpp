// Staged copies on real files, in each staging method, with a source that changes mid-copy and
// flushes that fail.
#include "platform/staged_copy.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <fstream>

#include "platform/fault_injection.h"
#include "platform/file_operations.h"
#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {

const char* MethodName(StagingMethod method) {
    switch (method) {
        case StagingMethod::UnnamedTemporary:
            return "Unnamed";
        case StagingMethod::NamedTemporary:
            return "Named";
        case StagingMethod::DirectExclusive:
            return "Direct";
    }
    return "Unknown";
}

void PrintTo(StagingMethod method, std::ostream* os) {
    *os << MethodName(method);
}

namespace {

using test::Bytes;
using Names = std::vector<std::string>;

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    return bytes;
}

void AppendToFile(const std::string& path, std::size_t count) {
    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(count, 'x');
}

void OverwriteStart(const std::string& path) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file << "rewritten";
}

class StagedCopyTest : public testing::TestWithParam<StagingMethod> {
protected:
    StagedCopyTest() : out_(folder_.MakeFolder("out")) {
        test::WriteFileBytes(source_, Pattern(200 * 1024));
        test::SetLastWriteTime(source_, 880293909);
        test::SetPermissionBits(source_, 0640);
    }
    DestinationFolder Open() {
        auto folder = DestinationFolder::OpenWithMethod(out_, GetParam());
        EXPECT_TRUE(folder.has_value());
        return std::move(*folder);
    }

    test::TempFolder folder_;
    std::string source_ = folder_.Join("P0000001.J6I");
    std::string out_;
};

TEST_P(StagedCopyTest, StagedCopyGetsItsNameOnlyWhenPlaced) {
    const DestinationFolder folder = Open();
    StagedCopy copy;
    ASSERT_EQ(folder.Stage(source_, "new.j6i", copy), StageResult::Staged);
    if (GetParam() != StagingMethod::DirectExclusive) {
        EXPECT_FALSE(PathExists(out_ + "/new.j6i")) << "no name before the data is durable";
    }
    const std::array<StagedCopy*, 1> copies = {&copy};
    ASSERT_TRUE(folder.MakeDurable(copies));
    ASSERT_EQ(folder.Place(copy, "new.j6i"), PlaceResult::Placed);
    ASSERT_TRUE(folder.FlushEntries());

    EXPECT_EQ(test::FolderEntries(out_), Names{"new.j6i"}) << "no temporary is left behind";
    EXPECT_EQ(test::ReadFileBytes(out_ + "/new.j6i"), Pattern(200 * 1024));
    EXPECT_EQ(test::LastWriteTime(out_ + "/new.j6i"), 880293909);
    EXPECT_EQ(test::PermissionBits(out_ + "/new.j6i"), 0640u);
}

TEST_P(StagedCopyTest, PlacingNeverReplacesAFileThatTookTheNameMeanwhile) {
    const DestinationFolder folder = Open();
    if (GetParam() == StagingMethod::DirectExclusive) {
        test::WriteFileBytes(out_ + "/taken.j6i", {'o', 'l', 'd'});
        StagedCopy copy;
        EXPECT_EQ(folder.Stage(source_, "taken.j6i", copy), StageResult::TargetExists);
    } else {
        StagedCopy copy;
        ASSERT_EQ(folder.Stage(source_, "taken.j6i", copy), StageResult::Staged);
        test::WriteFileBytes(out_ + "/taken.j6i", {'o', 'l', 'd'});
        EXPECT_EQ(folder.Place(copy, "taken.j6i"), PlaceResult::TargetExists);
        folder.Discard(copy);
    }
    EXPECT_EQ(test::ReadFileBytes(out_ + "/taken.j6i"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(test::FolderEntries(out_), Names{"taken.j6i"});
}

TEST_P(StagedCopyTest, ASourceThatChangesWhileCopiedIsNotStaged) {
    const DestinationFolder folder = Open();
    for (const auto& change : {+[](const std::string& path) { AppendToFile(path, 4096); },
                               +[](const std::string& path) { OverwriteStart(path); }}) {
        bool changed = false;
        const ScopedFaultInjection faults({.afterCopyPiece =
                                               [&](const std::string& path) {
                                                   if (!changed) change(path);
                                                   changed = true;
                                               },
                                           .flushError = {}});
        StagedCopy copy;
        EXPECT_EQ(folder.Stage(source_, "new.j6i", copy), StageResult::SourceChanged);
        EXPECT_TRUE(changed);
        EXPECT_TRUE(test::FolderEntries(out_).empty()) << "nothing stays of the copy";
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, StagedCopyTest,
                         testing::Values(StagingMethod::UnnamedTemporary,
                                         StagingMethod::NamedTemporary,
                                         StagingMethod::DirectExclusive),
                         [](const auto& info) { return MethodName(info.param); });

TEST(StagingMethodTest, ALocalDiskStagesUnnamedTemporaries) {
    test::TempFolder folder;
    const auto destination = DestinationFolder::Open(folder.path());
    ASSERT_TRUE(destination.has_value());
    EXPECT_EQ(destination->method(), StagingMethod::UnnamedTemporary);
    EXPECT_TRUE(test::FolderEntries(folder.path()).empty()) << "the probe leaves nothing";
}

class SingleCopyTest : public testing::Test {
protected:
    SingleCopyTest() { test::WriteFileBytes(source_, Pattern(100 * 1024)); }
    test::TempFolder folder_;
    std::string source_ = folder_.Join("source.J6I");
    std::string target_ = folder_.Join("new.j6i");
};

TEST_F(SingleCopyTest, AFailedFlushFailsTheCopyAndLeavesNoName) {
    for (const FlushTarget failing : {FlushTarget::File, FlushTarget::Folder}) {
        const ScopedFaultInjection faults(
            {.afterCopyPiece = {},
             .flushError = [failing](FlushTarget target) { return target == failing ? EIO : 0; }});
        EXPECT_EQ(CopyFileNoOverwrite(source_, target_), CopyOutcome::Failed);
        EXPECT_EQ(test::FolderEntries(folder_.path()), Names{"source.J6I"});
    }
}

TEST_F(SingleCopyTest, ASourceThatGrowsWhileCopiedFailsTheCopy) {
    const ScopedFaultInjection faults(
        {.afterCopyPiece = [](const std::string& path) { AppendToFile(path, 10); },
         .flushError = {}});
    EXPECT_EQ(CopyFileNoOverwrite(source_, target_), CopyOutcome::Failed);
    EXPECT_FALSE(PathExists(target_));
}

TEST_F(SingleCopyTest, DeletionChecksThatTheNameStillLeadsToTheCopiedFile) {
    test::SetLastWriteTime(source_, 880293909);
    const DestinationFolder folder = *DestinationFolder::Open(folder_.MakeFolder("out"));
    StagedCopy copy;
    ASSERT_EQ(folder.Stage(source_, "new.j6i", copy), StageResult::Staged);

    OverwriteStart(source_);
    EXPECT_EQ(DeleteFileChecked(source_, &copy.source()), DeleteOutcome::Changed);
    test::WriteFileBytes(source_ + ".other", Pattern(100 * 1024));
    test::SetLastWriteTime(source_ + ".other", 880293909);
    std::rename((source_ + ".other").c_str(), source_.c_str());
    EXPECT_EQ(DeleteFileChecked(source_, &copy.source()), DeleteOutcome::Changed)
        << "another file of the same size and time under the name";
    EXPECT_TRUE(PathExists(source_));
}

}  // namespace
}  // namespace kadoro
