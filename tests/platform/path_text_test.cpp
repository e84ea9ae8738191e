// Folder and file-name texts: joining a folder and a name.
#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace kadoro {
namespace {

TEST(JoinFolderPathTest, JoinsRootsDirectlyAndOthersWithOneSeparator) {
    EXPECT_EQ(JoinFolderPath("/", "a.jpg"), "/a.jpg");
    EXPECT_EQ(JoinFolderPath("/photo", "a.jpg"), "/photo/a.jpg");
    EXPECT_EQ(JoinFolderPath("/media/card/", "a.jpg"), "/media/card/a.jpg");
}

}  // namespace
}  // namespace kadoro
