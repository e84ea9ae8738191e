// Committing groups of staged copies on real files: names in order, sources deleted only after,
// a failing copy ending its chain, failed flushes failing the whole group.
#include "convert/group_commit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "platform/fault_injection.h"
#include "platform/file_operations.h"
#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {

void PrintTo(CopySettlement settlement, std::ostream* os) {
    constexpr const char* kNames[] = {"Committed", "CopyFailed", "DeleteFailed", "Withdrawn"};
    *os << kNames[static_cast<int>(settlement)];
}

namespace {

using Names = std::vector<std::string>;
using Settlements = std::vector<CopySettlement>;
constexpr CopyChain kIndexChain = 7;

class GroupCommitTest : public testing::Test {
protected:
    GroupCommitTest()
        : folder_(std::make_shared<const DestinationFolder>(
              *DestinationFolder::Open(temp_.MakeFolder("out")))) {}

    std::string Source(const std::string& name) { return temp_.Join(name); }

    // Writes the source and stages its copy under targetName.
    void Stage(const std::string& name, const std::string& targetName, CopyChain chain,
               bool deleteSource = true) {
        test::WriteFileBytes(Source(name), test::Bytes(1000, static_cast<std::uint8_t>(name[0])));
        test::SetLastWriteTime(Source(name), 880293909);
        PendingCopy copy;
        copy.id = group_.size() + 1;
        copy.folder = folder_;
        ASSERT_EQ(folder_->Stage(Source(name), targetName, copy.staged), StageResult::Staged);
        copy.targetName = targetName;
        copy.sourcePath = Source(name);
        copy.deleteSource = deleteSource;
        copy.chain = chain;
        group_.push_back(std::move(copy));
    }

    Settlements Commit() {
        Settlements settlements;
        for (const SettledCopy& settled : CommitGroup(group_, brokenChains_)) {
            settlements.push_back(settled.settlement);
        }
        group_.clear();
        return settlements;
    }

    Names Out() const { return test::FolderEntries(folder_->path()); }
    Names Sources() const {
        Names names = test::FolderEntries(temp_.path());
        std::erase(names, "out");
        return names;
    }

    test::TempFolder temp_;
    std::shared_ptr<const DestinationFolder> folder_;
    std::vector<PendingCopy> group_;
    std::unordered_set<CopyChain> brokenChains_;
};

TEST_F(GroupCommitTest, CopiesGetTheirNamesAndOnlyThenTheirSourcesGo) {
    Stage("A.J6I", "a.j6i", 1);
    Stage("B.J6I", "b.j6i", 2, false);
    EXPECT_EQ(Commit(), (Settlements{CopySettlement::Committed, CopySettlement::Committed}));
    EXPECT_EQ(Out(), (Names{"a.j6i", "b.j6i"}));
    EXPECT_EQ(Sources(), Names{"B.J6I"});
    EXPECT_EQ(test::ReadFileBytes(folder_->path() + "/a.j6i"), test::Bytes(1000, 'A'));
}

TEST_F(GroupCommitTest, ANameTakenMeanwhileFailsThatCopyAndWithdrawsTheRestOfItsChain) {
    Stage("A.J6I", "a.j6i", kIndexChain);
    Stage("B.J6I", "b.j6i", kIndexChain);
    Stage("C.J6I", "c.j6i", kIndexChain);
    Stage("D.J6I", "d.j6i", kNoChain);
    test::WriteFileBytes(folder_->path() + "/b.j6i", {'o', 'l', 'd'});

    EXPECT_EQ(Commit(), (Settlements{CopySettlement::Committed, CopySettlement::CopyFailed,
                                     CopySettlement::Withdrawn, CopySettlement::Committed}));
    EXPECT_EQ(Out(), (Names{"a.j6i", "b.j6i", "d.j6i"}));
    EXPECT_EQ(test::ReadFileBytes(folder_->path() + "/b.j6i"), (test::Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(Sources(), (Names{"B.J6I", "C.J6I"}));

    Stage("E.J6I", "e.j6i", kIndexChain);
    EXPECT_EQ(Commit(), Settlements{CopySettlement::Withdrawn}) << "the chain stays broken";
    EXPECT_EQ(Sources(), (Names{"B.J6I", "C.J6I", "E.J6I"}));
}

TEST_F(GroupCommitTest, ASourceThatCannotBeDeletedKeepsItsCopyAndEndsItsChain) {
    Stage("A.J6I", "a.j6i", kIndexChain);
    Stage("B.J6I", "b.j6i", kIndexChain);
    test::SetPermissionBits(Source("A.J6I"), 0444);
    EXPECT_EQ(Commit(), (Settlements{CopySettlement::DeleteFailed, CopySettlement::Withdrawn}));
    EXPECT_EQ(Out(), Names{"a.j6i"}) << "the withdrawn copy's name is removed again";
    EXPECT_EQ(Sources(), (Names{"A.J6I", "B.J6I"}));
}

TEST_F(GroupCommitTest, ASourceChangedAfterItsCopyIsNeitherDeletedNorLeftCopied) {
    Stage("A.J6I", "a.j6i", kNoChain);
    std::ofstream(Source("A.J6I"), std::ios::binary | std::ios::app) << "more";
    EXPECT_EQ(Commit(), Settlements{CopySettlement::CopyFailed});
    EXPECT_TRUE(Out().empty());
    EXPECT_EQ(test::ReadFileBytes(Source("A.J6I")).size(), 1004u);
}

TEST_F(GroupCommitTest, AFailedFlushFailsEveryCopyItCoversAndKeepsEverySource) {
    for (const FlushTarget failing : {FlushTarget::FileSystem, FlushTarget::Folder}) {
        const ScopedFaultInjection faults(
            {.afterCopyPiece = {},
             .flushError = [failing](FlushTarget target) { return target == failing ? EIO : 0; }});
        Stage("A.J6I", "a.j6i", kNoChain);
        Stage("B.J6I", "b.j6i", kNoChain);
        EXPECT_EQ(Commit(), (Settlements{CopySettlement::CopyFailed, CopySettlement::CopyFailed}));
        EXPECT_TRUE(Out().empty());
        EXPECT_EQ(Sources(), (Names{"A.J6I", "B.J6I"}));
    }
}

}  // namespace
}  // namespace kadoro
