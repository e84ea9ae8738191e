// kadoro-cli convert, run as a user runs it, on generated folders.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;

class ConvertCommandTest : public testing::Test {
protected:
    ConvertCommandTest()
        : source_(folder_.MakeFolder("card")), destination_(folder_.MakeFolder("out")) {
        test::WriteJ6iFile(source_ + "/P0000002.J6I");
        test::J6iFixture older;
        older.date = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
        test::WriteJ6iFile(source_ + "/p0000001.j6i", older);
        test::WriteJ6iFile(source_ + "/.hidden.J6I");
        test::WriteFileBytes(source_ + "/notes.txt", {'x'});
        folder_.MakeFolder("card/sub.J6I");
    }

    test::TempFolder folder_;
    std::string source_;
    std::string destination_;
};

TEST_F(ConvertCommandTest, ConvertsEveryListedCameraFileInNameOrder) {
    const auto result = test::RunCli({"convert", "--scheme", "3", source_, destination_});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.outLines(),
              (Lines{"p0000001.j6i", "旧名[p0000001.j6i]", "新名[2001-02-03 0405 001.j6i]",
                     "P0000002.J6I", "旧名[P0000002.J6I]", "新名[1997-11-23 1405 002.j6i]",
                     "変換終了しました."}));
    EXPECT_EQ(test::FolderEntries(destination_),
              (Lines{"1997-11-23 1405 002.j6i", "2001-02-03 0405 001.j6i"}));
    EXPECT_TRUE(result.err.empty());
}

TEST_F(ConvertCommandTest, NamedFilesInTheGivenOrderWithDeletion) {
    const auto result = test::RunCli(
        {"convert", "--delete", "--scheme=8", source_, destination_, "P0000002.J6I", "notes.txt"});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.outLines(),
              (Lines{"P0000002.J6I", "旧名[P0000002.J6I]", "新名[971123-002.j6i]",
                     "削除[" + source_ + "/P0000002.J6I]", "notes.txt", "変換終了しました."}));
    EXPECT_FALSE(std::filesystem::exists(source_ + "/P0000002.J6I"));
    EXPECT_TRUE(std::filesystem::exists(source_ + "/p0000001.j6i"));
}

TEST_F(ConvertCommandTest, RelativeFoldersAreLoggedAsFullPaths) {
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    const auto result = test::RunCli({"convert", "--delete", "card/", "./out", "P0000002.J6I"});
    std::filesystem::current_path(cwd);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.outLines().at(3), "削除[" + source_ + "/P0000002.J6I]");
}

TEST_F(ConvertCommandTest, AnyFailedFileGivesStatus1) {
    test::WriteFileBytes(source_ + "/broken.J6I", test::Bytes(50, 0));
    const auto result = test::RunCli({"convert", source_, destination_});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.outLines().at(1), "旧名[broken.J6I]");
    EXPECT_EQ(result.outLines().at(2), "ファィル読み込みエラー");
    EXPECT_EQ(result.outLines().back(), "変換終了しました.");
    EXPECT_EQ(test::FolderEntries(destination_).size(), 2u) << "the other files are converted";
}

TEST_F(ConvertCommandTest, UnwritableDestinationIsACopyErrorForEachFile) {
    // Root may write anywhere, so the run drops to an unprivileged user.
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to switch users";
    ::chmod(folder_.path().c_str(), 0755);
    const auto result =
        test::RunCli({"convert", source_, destination_},
                     {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(result.outLines(),
              (Lines{"p0000001.j6i", "旧名[p0000001.j6i]", "新名[DC-2 2001-02-03 0405 001.j6i]",
                     "コピーエラー", "P0000002.J6I", "旧名[P0000002.J6I]",
                     "新名[DC-2 1997-11-23 1405 002.j6i]", "コピーエラー", "変換終了しました."}));
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
}

TEST_F(ConvertCommandTest, UnreadableSourceFolderGivesStatus66WithoutTheClosingLine) {
    // Root reads any folder, so as root the run drops to an unprivileged user.
    std::vector<std::string> runAs;
    if (::geteuid() == 0) runAs = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    ::chmod(folder_.path().c_str(), 0755);
    ::chmod(source_.c_str(), 0);
    const auto result = test::RunCli({"convert", source_, destination_}, runAs);
    ::chmod(source_.c_str(), 0755);
    EXPECT_EQ(result.exitStatus, 66);
    EXPECT_EQ(result.err, "kadoro-cli convert: cannot read source folder '" + source_ +
                              "': Permission denied\n");
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
}

// How a stop in the middle of a run commits and logs what it copied is tested on the run itself;
// here the signal comes before the first file, which the program must honour as well.
TEST_F(ConvertCommandTest, CtrlCStopsWithStatus130AndSaysHowFarItGot) {
    const Lines sources = test::FolderEntries(source_);
    const auto result =
        test::RunCli({"convert", "--delete", source_, destination_}, {}, /*interruptAtStart=*/true);

    EXPECT_EQ(result.exitStatus, 130);
    EXPECT_EQ(result.err,
              "kadoro-cli convert: stopped after 0 of 2 files; every copy made is complete and no "
              "source was deleted without its copy\n");
    EXPECT_EQ(result.outLines(), Lines{"変換終了しました."});
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
    EXPECT_EQ(test::FolderEntries(source_), sources);
}

TEST_F(ConvertCommandTest, EmptySourceFolderGivesOnlyTheClosingLine) {
    const std::string empty = folder_.MakeFolder("empty");
    const auto result = test::RunCli({"convert", empty, destination_});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "変換終了しました.\n");
    EXPECT_TRUE(result.err.empty()) << result.err;
}

struct UsageCase {
    const char* name;
    // "SRC" and "DST" stand for the test's folders.
    std::vector<std::string> arguments;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class ConvertUsageTest : public ConvertCommandTest,
                         public testing::WithParamInterface<UsageCase> {};

TEST_P(ConvertUsageTest, IsRefusedWithStatus64AndNothingCopied) {
    std::vector<std::string> arguments;
    for (const std::string& word : GetParam().arguments) {
        arguments.push_back(word == "SRC" ? source_ : word == "DST" ? destination_ : word);
    }
    const auto result = test::RunCli(arguments);
    EXPECT_EQ(result.exitStatus, 64);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("usage:"), std::string::npos) << result.err;
    EXPECT_TRUE(test::FolderEntries(destination_).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertUsageTest,
    testing::Values(UsageCase{"NoArguments", {}},
                    UsageCase{"UnknownCommand", {"rename", "SRC", "DST"}},
                    UsageCase{"NoFolders", {"convert"}}, UsageCase{"OneFolder", {"convert", "SRC"}},
                    UsageCase{"SchemeTooLarge", {"convert", "--scheme", "11", "SRC", "DST"}},
                    UsageCase{"SchemeNotANumber", {"convert", "--scheme", "x", "SRC", "DST"}},
                    UsageCase{"SchemeMissing", {"convert", "SRC", "DST", "--scheme"}},
                    UsageCase{"UnknownOption", {"convert", "--force", "SRC", "DST"}},
                    UsageCase{"MissingSource", {"convert", "/nonexistent/card", "DST"}},
                    UsageCase{"MissingDestination", {"convert", "SRC", "/nonexistent/out"}},
                    UsageCase{"FileWithFolderPart", {"convert", "SRC", "DST", "../x.J6I"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertHelpTest, HelpListsTheSchemes) {
    const auto result = test::RunCli({"convert", "--help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.out.find("kadoro-cli convert [--scheme N] [--delete]"), std::string::npos);
    EXPECT_NE(result.out.find("10  YYMMDD-HHMMSS"), std::string::npos);
}

}  // namespace
}  // namespace kadoro
