// Reading a file's first bytes from what may stand under a camera file's name.
#include "platform/file_reading.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

enum class Standing { File, Folder, Fifo, NullDevice };

struct PrefixCase {
    const char* name;
    Standing standing;
    FilePrefix::Status expected;
    std::size_t expectedBytes;
    friend void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.name; }
};

class FilePrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(FilePrefixTest, OpensWhatAFileNameMayStandFor) {
    test::TempFolder folder;
    std::string path = folder.Join("P0000001.J6I");
    switch (GetParam().standing) {
        case Standing::File:
            test::WriteFileBytes(path, {1, 2, 3});
            break;
        case Standing::Folder:
            folder.MakeFolder("P0000001.J6I");
            break;
        case Standing::Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Standing::NullDevice:
            path = "/dev/null";
            break;
    }
    const FilePrefix prefix = ReadFilePrefix(path, 2);
    EXPECT_EQ(prefix.status, GetParam().expected);
    EXPECT_EQ(prefix.bytes.size(), GetParam().expectedBytes);
}

// A FIFO opens without waiting for a writer; its positioned read then fails.
INSTANTIATE_TEST_SUITE_P(
    Cases, FilePrefixTest,
    testing::Values(PrefixCase{"RegularFile", Standing::File, FilePrefix::Status::Read, 2},
                    PrefixCase{"Folder", Standing::Folder, FilePrefix::Status::CannotOpen, 0},
                    PrefixCase{"Fifo", Standing::Fifo, FilePrefix::Status::ReadFailed, 0},
                    PrefixCase{"NullDevice", Standing::NullDevice, FilePrefix::Status::Read, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kadoro
