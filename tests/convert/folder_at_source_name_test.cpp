// A folder standing under the selected file's name: every converter reports that it cannot open it.
#include <gtest/gtest.h>

#include <filesystem>

#include "convert/j6i_converter.h"
#include "convert/jpeg_converter.h"
#include "convert/rel_converter.h"
#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using Lines = std::vector<std::string>;
using Converter = int (*)(ConversionContext&, const std::string& sourceFolder,
                          const std::string& fileName, const std::string& destinationFolder);

struct FolderCase {
    const char* name;
    const char* fileName;
    Converter convert;
    int expected;  // the converter's result
    Lines lines;
    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class FolderAtSourceNameTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderAtSourceNameTest, IsAnOpenErrorAndNothingIsCopiedOrDeleted) {
    test::TempFolder folder;
    const std::string source = folder.MakeFolder("card");
    const std::string destination = folder.MakeFolder("out");
    const std::string standing = folder.MakeFolder("card/" + std::string(GetParam().fileName));
    CollectingLogSink log;
    ConversionContext context(log, {0, true});

    EXPECT_EQ(GetParam().convert(context, source, GetParam().fileName, destination),
              GetParam().expected);
    EXPECT_EQ(log.lines(), GetParam().lines);
    EXPECT_TRUE(test::FolderEntries(destination).empty());
    EXPECT_TRUE(std::filesystem::is_directory(standing));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderAtSourceNameTest,
    testing::Values(FolderCase{"J6i",
                               "P0000001.J6I",
                               [](ConversionContext& c, const std::string& s, const std::string& n,
                                  const std::string& d) {
                                   return static_cast<int>(ConvertJ6iFile(c, s, n, d, -1, -1));
                               },
                               static_cast<int>(J6iConvertResult::CannotOpen),
                               {"旧名[P0000001.J6I]", "ファィルオープンエラー"}},
                    FolderCase{"Jpg",
                               "DSC0001.JPG",
                               [](ConversionContext& c, const std::string& s, const std::string& n,
                                  const std::string& d) {
                                   return static_cast<int>(ConvertJpegFile(c, s, n, d));
                               },
                               static_cast<int>(JpegConvertResult::CannotOpen),
                               {"旧名[DSC0001.JPG] →", "ファイルがオープンできません!"}},
                    FolderCase{"Rel",
                               "INDEX.REL",
                               [](ConversionContext& c, const std::string& s, const std::string& n,
                                  const std::string& d) {
                                   return static_cast<int>(ConvertRelFile(c, s, n, d));
                               },
                               static_cast<int>(RelConvertResult::CannotOpen),
                               {"ファィルオープンエラー[INDEX.REL]"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kadoro
