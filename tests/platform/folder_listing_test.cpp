// The source file list's selection of files.
#include "platform/folder_listing.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ListFolderFiles(folder.path(), kCameraFileMask),
              (std::vector<std::string>{"A.J6I", "a2.j6i", "b.jpg", "c.Rel"}));
}

TEST(FolderListingTest, MissingFolderGivesNothing) {
    test::TempFolder folder;
    EXPECT_TRUE(ListFolderFiles(folder.Join("absent"), kCameraFileMask).empty());
    EXPECT_FALSE(IsExistingFolder(folder.Join("absent")));
    EXPECT_TRUE(IsExistingFolder(folder.path()));
}

}  // namespace
}  // namespace kadoro
