// Converting .J6I images on real files: log lines, result codes and what is left on disk.
#include "convert/j6i_converter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class J6iConverterTest : public testing::Test {
protected:
    J6iConverterTest()
        : source_(folder_.MakeFolder("card")), destination_(folder_.MakeFolder("out")) {}

    J6iConvertResult Convert(const std::string& name, RunOptions options = {3, false},
                             int sequenceNumber = -1, int subNumber = -1) {
        ConversionContext context(log_, options);
        return ConvertJ6iFile(context, source_, name, destination_, sequenceNumber, subNumber);
    }
    std::string Source(const std::string& name) const { return source_ + "/" + name; }
    std::string Destination(const std::string& name) const { return destination_ + "/" + name; }

    test::TempFolder folder_;
    std::string source_;
    std::string destination_;
    CollectingLogSink log_;
};

TEST_F(J6iConverterTest, CopiesUnderTheSchemeNameAndKeepsTheSource) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    EXPECT_EQ(Convert("P0000012.J6I"), J6iConvertResult::Converted);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P0000012.J6I]", "新名[1997-11-23 1405 012.j6i]"}));
    EXPECT_EQ(test::ReadFileBytes(Destination("1997-11-23 1405 012.j6i")), test::MakeJ6iBytes());
    EXPECT_TRUE(std::filesystem::exists(Source("P0000012.J6I")));
}

TEST_F(J6iConverterTest, IndexNumbersReplaceTheNameDigits) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    EXPECT_EQ(Convert("P0000012.J6I", {3, false}, 4, -1), J6iConvertResult::Converted);
    EXPECT_EQ(Convert("P0000012.J6I", {3, false}, 4, 2), J6iConvertResult::Converted);
    EXPECT_EQ(test::FolderEntries(destination_),
              (Lines{"1997-11-23 1405 004-002.j6i", "1997-11-23 1405 004.j6i"}));
}

struct FailureCase {
    const char* name;
    std::optional<test::Bytes> content;  // nothing: the file does not exist
    J6iConvertResult expected;
    const char* errorLine;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class J6iConverterFailureTest : public J6iConverterTest,
                                public testing::WithParamInterface<FailureCase> {};

TEST_P(J6iConverterFailureTest, LogsTwoLinesAndWritesNothing) {
    if (GetParam().content) test::WriteFileBytes(Source("P1.J6I"), *GetParam().content);
    EXPECT_EQ(Convert("P1.J6I", {3, true}), GetParam().expected);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P1.J6I]", GetParam().errorLine}));
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
    if (GetParam().content) {
        EXPECT_TRUE(std::filesystem::exists(Source("P1.J6I")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, J6iConverterFailureTest,
    testing::Values(FailureCase{"Missing", std::nullopt, J6iConvertResult::CannotOpen,
                                "ファィルオープンエラー"},
                    FailureCase{"Short", test::Bytes(100, 0x80), J6iConvertResult::ReadError,
                                "ファィル読み込みエラー"},
                    FailureCase{"NotJ6i", test::Bytes(4096, 0xFF), J6iConvertResult::NotJ6i,
                                "J6Iファイルではありません"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(J6iConverterTest, TakenTargetGetsASuffixAndStaysUntouched) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    test::WriteFileBytes(Destination("1997-11-23 1405 012.j6i"), {'o', 'l', 'd'});
    test::WriteFileBytes(Destination("1997-11-23 1405 012-001.j6i"), {'o', 'l', 'd'});
    EXPECT_EQ(Convert("P0000012.J6I"), J6iConvertResult::Converted);
    EXPECT_EQ(log_.lines().back(), "新名[1997-11-23 1405 012-002.j6i]");
    EXPECT_EQ(test::ReadFileBytes(Destination("1997-11-23 1405 012.j6i")),
              (test::Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(test::ReadFileBytes(Destination("1997-11-23 1405 012-002.j6i")),
              test::MakeJ6iBytes());
}

TEST_F(J6iConverterTest, DeleteSwitchRemovesTheSourceAfterTheCopy) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    EXPECT_EQ(Convert("P0000012.J6I", {8, true}), J6iConvertResult::Converted);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P0000012.J6I]", "新名[971123-012.j6i]",
                                   "削除[" + Source("P0000012.J6I") + "]"}));
    EXPECT_FALSE(std::filesystem::exists(Source("P0000012.J6I")));
    EXPECT_EQ(test::ReadFileBytes(Destination("971123-012.j6i")), test::MakeJ6iBytes());
}

TEST_F(J6iConverterTest, ReadOnlySourceIsCopiedButNotDeleted) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    test::SetPermissionBits(Source("P0000012.J6I"), 0444);
    EXPECT_EQ(Convert("P0000012.J6I", {8, true}), J6iConvertResult::DeleteFailed);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P0000012.J6I]", "新名[971123-012.j6i]",
                                   "削除[" + Source("P0000012.J6I") + "]", "削除失敗"}));
    EXPECT_TRUE(std::filesystem::exists(Source("P0000012.J6I")));
    EXPECT_TRUE(std::filesystem::exists(Destination("971123-012.j6i")));
}

TEST_F(J6iConverterTest, SameFolderCopiesBesideAFileThatAlreadyBearsItsName) {
    destination_ = source_;
    test::WriteJ6iFile(Source("971123-012.j6i"));
    EXPECT_EQ(Convert("971123-012.j6i", {8, true}), J6iConvertResult::Converted);
    EXPECT_EQ(log_.lines()[1], "新名[971123-012-001.j6i]");
    EXPECT_EQ(test::FolderEntries(source_), Lines{"971123-012-001.j6i"});
}

TEST_F(J6iConverterTest, DestinationThatIsNoFolderIsACopyError) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    destination_ = Source("P0000012.J6I");
    EXPECT_EQ(Convert("P0000012.J6I", {3, true}), J6iConvertResult::CopyFailed);
    EXPECT_EQ(log_.lines().back(), "コピーエラー");
    EXPECT_EQ(test::ReadFileBytes(Source("P0000012.J6I")), test::MakeJ6iBytes());
}

TEST_F(J6iConverterTest, DiskFullKeepsTheSourceAndLeavesNoPartialCopy) {
    test::J6iFixture big;
    big.totalSize = 300 * 1024;
    test::WriteJ6iFile(Source("P0000012.J6I"), big);
    test::SmallDisk disk(folder_.Join("full"), 64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    destination_ = disk.path();

    EXPECT_EQ(Convert("P0000012.J6I", {3, true}), J6iConvertResult::CopyFailed);
    EXPECT_EQ(log_.lines(),
              (Lines{"旧名[P0000012.J6I]", "新名[1997-11-23 1405 012.j6i]", "コピーエラー"}));
    EXPECT_TRUE(test::FolderEntries(disk.path()).empty());
    EXPECT_EQ(test::ReadFileBytes(Source("P0000012.J6I")), test::MakeJ6iBytes(big));
}

TEST_F(J6iConverterTest, InvalidBcdDatesAreConvertedAsTheyStand) {
    test::J6iFixture fixture;
    fixture.date = {0x01, 0x9F, 0x00, 0x00, 0x00, 0x00};
    test::WriteJ6iFile(Source("P0000003.J6I"), fixture);
    EXPECT_EQ(Convert("P0000003.J6I", {3, false}), J6iConvertResult::Converted);
    EXPECT_EQ(log_.lines().back(), "新名[2001-105-00 0000 003.j6i]");
}

TEST_F(J6iConverterTest, PathsLongerThan255CharactersWork) {
    std::string deep = source_;
    while (deep.size() < 400)
        deep += "/" + std::string(60, 'd');
    std::filesystem::create_directories(deep);
    source_ = destination_ = deep;
    const std::string longName = std::string(200, 'P') + "012.J6I";
    test::WriteJ6iFile(Source(longName));
    EXPECT_EQ(Convert(longName, {3, true}), J6iConvertResult::Converted);
    EXPECT_EQ(test::FolderEntries(deep), Lines{"1997-11-23 1405 012.j6i"});
}

TEST_F(J6iConverterTest, SchemeOutsideTheListCopiesNothing) {
    test::WriteJ6iFile(Source("P0000012.J6I"));
    EXPECT_EQ(Convert("P0000012.J6I", {11, true}), J6iConvertResult::NoScheme);
    EXPECT_EQ(log_.lines(), (Lines{"旧名[P0000012.J6I]", "命名方式が選択されていません"}));
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
    EXPECT_TRUE(std::filesystem::exists(Source("P0000012.J6I")));
}

}  // namespace
}  // namespace kadoro
