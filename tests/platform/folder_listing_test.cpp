// The source file list's selection of files.
#include "platform/folder_listing.h"

#include <gtest/gtest.h>

#include <system_error>

#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

TEST(FolderListingTest, CameraFilesSortedIgnoringCaseWithoutHiddenFilesOrFolders) {
    test::TempFolder folder;
    for (const char* name : {"b.jpg", "A.J6I", "c.Rel", "a2.j6i", ".hidden.J6I", "notes.txt",
                             "photo.jpeg", "x.j6i.bak"}) {
        test::WriteFileBytes(folder.Join(name), {0});
    }
    folder.MakeFolder("sub.J6I");
    const FolderListing listing = ListFolderFiles(folder.path(), kCameraFileMask);
    EXPECT_EQ(listing.names, (std::vector<std::string>{"A.J6I", "a2.j6i", "b.jpg", "c.Rel"}));
    EXPECT_FALSE(listing.error);
}

struct UnreadableCase {
    const char* name;
    bool fileStandsThere;  // a file at the listed path; otherwise nothing is there
    std::errc expected;
    friend void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }
};

class FolderListingUnreadableTest : public testing::TestWithParam<UnreadableCase> {};

TEST_P(FolderListingUnreadableTest, GivesTheErrorAndNoNames) {
    test::TempFolder folder;
    const std::string target = folder.Join("target");
    if (GetParam().fileStandsThere) test::WriteFileBytes(target, {0});
    const FolderListing listing = ListFolderFiles(target, kCameraFileMask);
    EXPECT_EQ(listing.error, std::make_error_code(GetParam().expected)) << listing.error.message();
    EXPECT_TRUE(listing.names.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderListingUnreadableTest,
    testing::Values(UnreadableCase{"Missing", false, std::errc::no_such_file_or_directory},
                    UnreadableCase{"FileNotFolder", true, std::errc::not_a_directory}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderListingTest, EmptyFolderIsReadWithoutError) {
    test::TempFolder folder;
    const FolderListing listing = ListFolderFiles(folder.MakeFolder("empty"), kCameraFileMask);
    EXPECT_FALSE(listing.error) << listing.error.message();
    EXPECT_TRUE(listing.names.empty());
}

TEST(FolderListingTest, ExistingFolderIsTold) {
    test::TempFolder folder;
    EXPECT_FALSE(IsExistingFolder(folder.Join("absent")));
    test::WriteFileBytes(folder.Join("file"), {0});
    EXPECT_FALSE(IsExistingFolder(folder.Join("file")));
    EXPECT_TRUE(IsExistingFolder(folder.path()));
}

}  // namespace
}  // namespace kadoro
