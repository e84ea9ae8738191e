// Copying without overwriting, deleting and time stamps, on real files.
#include "platform/file_operations.h"
#include "platform/file_facts.h"

#include <gtest/gtest.h>

#include "support/fixture_files.h"
#include "support/scoped_time_zone.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using test::Bytes;

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return bytes;
}

class FileOperationsTest : public testing::Test {
protected:
    std::string MakeSource(std::size_t size = 300 * 1024) {
        const std::string path = folder_.Join("source.J6I");
        test::WriteFileBytes(path, Pattern(size));
        return path;
    }
    test::TempFolder folder_;
};

TEST_F(FileOperationsTest, CopyKeepsBytesTimeAndPermissionBits) {
    const std::string source = MakeSource();
    test::SetPermissionBits(source, 0640);
    test::SetLastWriteTime(source, 880293909);
    const std::string destination = folder_.MakeFolder("out");

    ASSERT_EQ(CopyFileNoOverwrite(source, destination + "/new.j6i"), CopyOutcome::Copied);
    EXPECT_EQ(test::ReadFileBytes(destination + "/new.j6i"), test::ReadFileBytes(source));
    EXPECT_EQ(test::LastWriteTime(destination + "/new.j6i"), 880293909);
    EXPECT_EQ(test::PermissionBits(destination + "/new.j6i"), 0640u);
    EXPECT_EQ(test::FolderEntries(destination), std::vector<std::string>{"new.j6i"})
        << "no temporary file is left behind";
}

TEST_F(FileOperationsTest, CopyOfAnEmptyFile) {
    const std::string source = MakeSource(0);
    ASSERT_EQ(CopyFileNoOverwrite(source, folder_.Join("empty.j6i")), CopyOutcome::Copied);
    EXPECT_TRUE(test::ReadFileBytes(folder_.Join("empty.j6i")).empty());
}

TEST_F(FileOperationsTest, CopyNeverOverwrites) {
    const std::string source = MakeSource();
    const std::string target = folder_.Join("taken.j6i");
    test::WriteFileBytes(target, {'o', 'l', 'd'});
    EXPECT_EQ(CopyFileNoOverwrite(source, target), CopyOutcome::TargetExists);
    EXPECT_EQ(test::ReadFileBytes(target), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(test::FolderEntries(folder_.path()),
              (std::vector<std::string>{"source.J6I", "taken.j6i"}));
}

TEST_F(FileOperationsTest, CopyFailsWithoutTraceWhenTheSourceOrFolderIsMissing) {
    const std::string source = MakeSource();
    EXPECT_EQ(CopyFileNoOverwrite(folder_.Join("absent.J6I"), folder_.Join("a.j6i")),
              CopyOutcome::Failed);
    EXPECT_EQ(CopyFileNoOverwrite(source, folder_.Join("no-folder/a.j6i")), CopyOutcome::Failed);
    EXPECT_EQ(CopyFileNoOverwrite(source, source + "/a.j6i"), CopyOutcome::Failed)
        << "a file where the destination folder should be";
    EXPECT_EQ(test::FolderEntries(folder_.path()), std::vector<std::string>{"source.J6I"});
}

TEST_F(FileOperationsTest, DiskFullMidCopyLeavesNoPartialFile) {
    const std::string source = MakeSource(300 * 1024);
    test::SmallDisk disk(folder_.Join("card"), 64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";

    EXPECT_EQ(CopyFileNoOverwrite(source, disk.path() + "/big.j6i"), CopyOutcome::Failed);
    EXPECT_TRUE(test::FolderEntries(disk.path()).empty());
    EXPECT_EQ(test::ReadFileBytes(source), Pattern(300 * 1024));
}

TEST_F(FileOperationsTest, DeleteRefusesReadOnlyFiles) {
    const std::string source = MakeSource(10);
    test::SetPermissionBits(source, 0444);
    EXPECT_EQ(DeleteFileChecked(source), DeleteOutcome::ReadOnly);
    EXPECT_TRUE(PathExists(source));

    test::SetPermissionBits(source, 0644);
    EXPECT_EQ(DeleteFileChecked(source), DeleteOutcome::Deleted);
    EXPECT_FALSE(PathExists(source));
    EXPECT_EQ(DeleteFileChecked(source), DeleteOutcome::Failed);
}

TEST_F(FileOperationsTest, SameFolderByIdentityNotBySpelling) {
    const std::string sub = folder_.MakeFolder("sub");
    EXPECT_TRUE(IsSameFolder(sub, folder_.path() + "/./sub"));
    EXPECT_TRUE(IsSameFolder(sub, sub));
    EXPECT_FALSE(IsSameFolder(sub, folder_.path()));
}

TEST_F(FileOperationsTest, LastWriteTimeIsLocalTime) {
    const std::string source = MakeSource(1);
    test::SetLastWriteTime(source, 852077089);  // 1997-01-01 00:04:49 UTC
    const test::ScopedTimeZone tokyo("JST-9");
    const auto facts = ExamineFile(source);

    ASSERT_TRUE(facts.has_value());
    const std::tm& local = facts->lastWriteLocal;
    EXPECT_EQ(local.tm_year, 97);
    EXPECT_EQ(local.tm_mon, 0);
    EXPECT_EQ(local.tm_mday, 1);
    EXPECT_EQ(local.tm_hour, 9);
    EXPECT_EQ(local.tm_min, 4);
    EXPECT_EQ(local.tm_sec, 49);
    EXPECT_FALSE(ExamineFile(folder_.Join("absent")).has_value());
}

}  // namespace
}  // namespace kadoro
