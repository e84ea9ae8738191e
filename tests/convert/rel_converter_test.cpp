// Converting the images of .REL indexes on real folders: numbers, log lines, result codes, and
// that a damaged index touches nothing it should not.
#include "convert/rel_converter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/rel_fixture.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

using test::Group;
using test::OtherPosition;
using test::RelFixture;
using test::SingleImage;
using test::WithCount;
using test::WithLength;
using Lines = std::vector<std::string>;

// Keeps, for every scroll, how many lines the log held at that moment.
class ScrollRecordingSink : public CollectingLogSink {
public:
    void ScrollToEnd() override { scrolls_.push_back(lines().size()); }
    const std::vector<std::size_t>& scrolls() const { return scrolls_; }

private:
    std::vector<std::size_t> scrolls_;
};

test::J6iFixture ShotOnDay(std::uint8_t bcdDay) {
    test::J6iFixture fixture;
    fixture.date[2] = bcdDay;
    return fixture;
}

RelFixture Index(std::vector<test::RelRecord> records) {
    RelFixture fixture;
    fixture.records = std::move(records);
    return fixture;
}

class RelConverterTest : public testing::Test {
protected:
    RelConverterTest()
        : source_(folder_.MakeFolder("card")), destination_(folder_.MakeFolder("out")) {}

    // Each image is shot on its own day of November 1997, so that its new name under scheme 8,
    // 9711DD-<sequence text>.j6i, shows which image got which number.
    void AddImage(const std::string& fileName, std::uint8_t bcdDay) {
        test::WriteJ6iFile(Source(fileName), ShotOnDay(bcdDay));
    }
    void WriteIndex(const RelFixture& fixture) { test::WriteRelFile(Source(kIndex), fixture); }
    RelConvertResult Convert(bool deleteSource = false) {
        ConversionContext context(log_, {8, deleteSource});
        return ConvertRelFile(context, source_, kIndex, destination_);
    }
    std::string Source(const std::string& name) const { return source_ + "/" + name; }
    Lines Converted() const { return test::FolderEntries(destination_); }

    static constexpr const char* kIndex = "INDEX.REL";
    test::TempFolder folder_;
    std::string source_;
    std::string destination_;
    ScrollRecordingSink log_;
};

TEST_F(RelConverterTest, WorkedExampleNumbersImagesByTheirPlaceInTheIndex) {
    for (std::uint8_t day = 1; day <= 6; ++day) {
        AddImage("P000000" + std::to_string(day) + ".J6I", day);
    }
    WriteIndex(Index({SingleImage("P0000001"), SingleImage("P0000002"),
                      Group({"P0000003", "P0000004", "P0000005"}), SingleImage("P0000006")}));

    EXPECT_EQ(Convert(), RelConvertResult::Finished);
    EXPECT_EQ(Converted(), (Lines{"971101-001.j6i", "971102-002.j6i", "971103-003-001.j6i",
                                  "971104-003-002.j6i", "971105-003-003.j6i", "971106-004.j6i"}));
    EXPECT_EQ(log_.lines(),
              (Lines{"旧名[P0000001.J6I]", "新名[971101-001.j6i]", "旧名[P0000002.J6I]",
                     "新名[971102-002.j6i]", "旧名[P0000003.J6I]", "新名[971103-003-001.j6i]",
                     "旧名[P0000004.J6I]", "新名[971104-003-002.j6i]", "旧名[P0000005.J6I]",
                     "新名[971105-003-003.j6i]", "旧名[P0000006.J6I]", "新名[971106-004.j6i]"}));
    EXPECT_EQ(log_.scrolls(), (std::vector<std::size_t>{2, 4, 10, 12}));
    EXPECT_EQ(test::ReadFileBytes(destination_ + "/971104-003-002.j6i"),
              test::MakeJ6iBytes(ShotOnDay(4)));
}

TEST_F(RelConverterTest, RecordKindsAndNameFormsAsTheCamerasWriteThem) {
    AddImage("ABC.J6I", 1);
    AddImage("P0000002.J6I", 2);
    AddImage("P0000003.J6I", 3);
    AddImage("P0000004.J6I", 4);
    AddImage("DECOY.J6I", 9);  // named by the positions and records that list nothing
    WriteIndex(Index({OtherPosition(20), SingleImage("DECOY", 2), SingleImage("ABC"),
                      OtherPosition(0, {'U', 0}), SingleImage("P0000002", 3),
                      SingleImage("DECOY", 0), Group({"P0000003", "P0000004"})}));

    EXPECT_EQ(Convert(true), RelConvertResult::Finished);
    EXPECT_EQ(Converted(), (Lines{"971101-001.j6i", "971102-002.j6i", "971103-003-001.j6i",
                                  "971104-003-002.j6i"}));
    EXPECT_EQ(test::FolderEntries(source_), (Lines{"DECOY.J6I", kIndex}));
    // Ignored records scroll like every index record; the other positions do not.
    EXPECT_EQ(log_.scrolls(), (std::vector<std::size_t>{0, 3, 6, 6, 12}));
}

TEST_F(RelConverterTest, EndMarkerAtTheStartConvertsNothingAndLogsNothing) {
    AddImage("A.J6I", 1);
    WriteIndex(Index({}));
    EXPECT_EQ(Convert(), RelConvertResult::Finished);
    EXPECT_TRUE(log_.lines().empty());
    EXPECT_TRUE(Converted().empty());
}

TEST_F(RelConverterTest, AFailingImageEndsTheIndexAtOnce) {
    AddImage("A.J6I", 1);
    AddImage("C.J6I", 3);
    AddImage("D.J6I", 4);
    AddImage("E.J6I", 5);
    WriteIndex(Index(
        {SingleImage("X", 2), SingleImage("A"), Group({"C", "MISSING", "D"}), SingleImage("E")}));

    EXPECT_EQ(Convert(true), RelConvertResult::ImageFailed);
    EXPECT_EQ(Converted(), (Lines{"971101-001.j6i", "971103-002-001.j6i"}));
    EXPECT_EQ(test::FolderEntries(source_), (Lines{"D.J6I", "E.J6I", kIndex}));
    EXPECT_EQ(log_.lines(),
              (Lines{"旧名[A.J6I]", "新名[971101-001.j6i]", "削除[" + Source("A.J6I") + "]",
                     "旧名[C.J6I]", "新名[971103-002-001.j6i]", "削除[" + Source("C.J6I") + "]",
                     "旧名[MISSING.j6i]", "ファィルオープンエラー"}));
    // No scroll after the record of the failing image.
    EXPECT_EQ(log_.scrolls(), (std::vector<std::size_t>{0, 3}));
}

struct ImageFailureCase {
    const char* name;
    test::Bytes content;  // of the first listed image, A.J6I
    bool readOnly;        // A.J6I cannot be deleted
    Lines expectedLines;  // after "旧名[A.J6I]"; "削除[A]" stands for the line with A's path
    Lines expectedConverted;
    friend void PrintTo(const ImageFailureCase& c, std::ostream* os) { *os << c.name; }
};

class RelConverterImageFailureTest : public RelConverterTest,
                                     public testing::WithParamInterface<ImageFailureCase> {};

TEST_P(RelConverterImageFailureTest, AnyFailureOfAnImageEndsTheIndex) {
    test::WriteFileBytes(Source("A.J6I"), GetParam().content);
    if (GetParam().readOnly) test::SetPermissionBits(Source("A.J6I"), 0444);
    AddImage("B.J6I", 2);
    WriteIndex(Index({SingleImage("A"), SingleImage("B")}));

    EXPECT_EQ(Convert(true), RelConvertResult::ImageFailed);
    Lines expectedLines = {"旧名[A.J6I]"};
    for (const std::string& line : GetParam().expectedLines) {
        expectedLines.push_back(line == "削除[A]" ? "削除[" + Source("A.J6I") + "]" : line);
    }
    EXPECT_EQ(log_.lines(), expectedLines);
    EXPECT_EQ(Converted(), GetParam().expectedConverted);
    EXPECT_TRUE(std::filesystem::exists(Source("B.J6I")));
    EXPECT_TRUE(log_.scrolls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RelConverterImageFailureTest,
    testing::Values(
        ImageFailureCase{
            "ShortHeader", test::Bytes(100, 0x80), false, {"ファィル読み込みエラー"}, {}},
        ImageFailureCase{
            "NotAJ6iImage", test::Bytes(4096, 0x55), false, {"J6Iファイルではありません"}, {}},
        ImageFailureCase{"DeletionRefused",
                         test::MakeJ6iBytes(ShotOnDay(1)),
                         true,
                         {"新名[971101-001.j6i]", "削除[A]", "削除失敗"},
                         {"971101-001.j6i"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct IndexFailureCase {
    const char* name;
    std::optional<test::Bytes> content;  // nothing: a folder stands under the index's name
    RelConvertResult expected;
    const char* line;
    friend void PrintTo(const IndexFailureCase& c, std::ostream* os) { *os << c.name; }
};

class RelConverterIndexFailureTest : public RelConverterTest,
                                     public testing::WithParamInterface<IndexFailureCase> {};

TEST_P(RelConverterIndexFailureTest, LogsOneLineWithTheIndexNameAndConvertsNothing) {
    AddImage("A.J6I", 1);
    if (GetParam().content) {
        test::WriteFileBytes(Source(kIndex), *GetParam().content);
    } else {
        folder_.MakeFolder("card/" + std::string(kIndex));
    }
    EXPECT_EQ(Convert(true), GetParam().expected);
    EXPECT_EQ(log_.lines(), Lines{GetParam().line});
    EXPECT_TRUE(Converted().empty());
    EXPECT_TRUE(std::filesystem::exists(Source("A.J6I")));
}

test::Bytes ListingAWithFirstByte(std::uint8_t magic) {
    RelFixture fixture = Index({SingleImage("A")});
    fixture.magic = magic;
    return test::MakeRelBytes(fixture);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RelConverterIndexFailureTest,
    testing::Values(
        IndexFailureCase{"EmptyFile", test::Bytes{}, RelConvertResult::ReadError,
                         "ファィル読み込みエラー[INDEX.REL]"},
        IndexFailureCase{"FolderUnderTheName", std::nullopt, RelConvertResult::CannotOpen,
                         "ファィルオープンエラー[INDEX.REL]"},
        IndexFailureCase{"WrongFirstByte", ListingAWithFirstByte(0x81), RelConvertResult::NotRel,
                         "J6IのRELファイルではありません[INDEX.REL]"},
        IndexFailureCase{"TextFile", test::Bytes{'R', 'E', 'L'}, RelConvertResult::NotRel,
                         "J6IのRELファイルではありません[INDEX.REL]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RelConverterTest, MissingIndexIsAnOpenError) {
    EXPECT_EQ(Convert(), RelConvertResult::CannotOpen);
    EXPECT_EQ(log_.lines(), Lines{"ファィルオープンエラー[INDEX.REL]"});
}

struct LookupCase {
    const char* name;
    std::string listedName;
    std::vector<std::pair<std::string, std::uint8_t>> images;  // file name, BCD day
    const char* folderEntry;                                   // a sub-folder, or nullptr
    const char* expectedOldName;
    Lines expectedConverted;
    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }
};

class RelConverterLookupTest : public RelConverterTest,
                               public testing::WithParamInterface<LookupCase> {};

TEST_P(RelConverterLookupTest, FindsTheImageWithoutRegardToCase) {
    for (const auto& [fileName, day] : GetParam().images)
        AddImage(fileName, day);
    if (GetParam().folderEntry) folder_.MakeFolder("card/" + std::string(GetParam().folderEntry));
    WriteIndex(Index({SingleImage(GetParam().listedName)}));

    const RelConvertResult result = Convert();
    EXPECT_EQ(log_.lines().at(0), GetParam().expectedOldName);
    EXPECT_EQ(Converted(), GetParam().expectedConverted);
    EXPECT_EQ(result, GetParam().expectedConverted.empty() ? RelConvertResult::ImageFailed
                                                           : RelConvertResult::Finished);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RelConverterLookupTest,
    testing::Values(
        LookupCase{"LowerCaseNameUpperCaseFile",
                   "abc",
                   {{"ABC.J6I", 1}},
                   nullptr,
                   "旧名[ABC.J6I]",
                   {"971101-001.j6i"}},
        LookupCase{"UpperCaseNameLowerCaseFile",
                   "ABC",
                   {{"abc.j6i", 1}},
                   nullptr,
                   "旧名[abc.j6i]",
                   {"971101-001.j6i"}},
        LookupCase{"MixedCaseExtension",
                   "ABC",
                   {{"ABC.J6i", 1}},
                   nullptr,
                   "旧名[ABC.J6i]",
                   {"971101-001.j6i"}},
        LookupCase{"ExactSpellingIsPreferred",
                   "ABC",
                   {{"ABC.J6I", 1}, {"ABC.j6i", 2}, {"abc.j6i", 3}},
                   nullptr,
                   "旧名[ABC.j6i]",
                   {"971102-001.j6i"}},
        LookupCase{"FirstInByteOrderWithoutAnExactSpelling",
                   "Abc",
                   {{"abc.j6i", 3}, {"ABC.J6I", 1}},
                   nullptr,
                   "旧名[ABC.J6I]",
                   {"971101-001.j6i"}},
        LookupCase{"SubFolderOfThatNameIsNoImage",
                   "ABC",
                   {{"abc.J6I", 1}},
                   "ABC.j6i",
                   "旧名[abc.J6I]",
                   {"971101-001.j6i"}},
        LookupCase{
            "OtherExtensionIsNoImage", "ABC", {{"ABC.JPG", 1}}, nullptr, "旧名[ABC.j6i]", {}},
        LookupCase{"MissingImageKeepsTheListedName", "ABC", {}, nullptr, "旧名[ABC.j6i]", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TruncatedCase {
    const char* name;
    std::vector<test::RelRecord> records;  // listing A (day 1), B (day 2), ... as they go
    Lines expectedConverted;
    friend void PrintTo(const TruncatedCase& c, std::ostream* os) { *os << c.name; }
};

class RelConverterTruncatedTest : public RelConverterTest,
                                  public testing::WithParamInterface<TruncatedCase> {};

TEST_P(RelConverterTruncatedTest, KeepsWhatWasConvertedAndSaysTheIndexIsCut) {
    AddImage("A.J6I", 1);
    AddImage("B.J6I", 2);
    AddImage("C.J6I", 3);
    RelFixture fixture = Index(GetParam().records);
    fixture.endMarker = false;
    fixture.trailingBytes = 0;
    WriteIndex(fixture);

    EXPECT_EQ(Convert(), RelConvertResult::Truncated);
    EXPECT_EQ(Converted(), GetParam().expectedConverted);
    EXPECT_EQ(log_.lines().back(), "RELファイルが途中で切れています[INDEX.REL]");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RelConverterTruncatedTest,
    testing::Values(TruncatedCase{"NoEndMarker",
                                  {SingleImage("A"), SingleImage("B")},
                                  {"971101-001.j6i", "971102-002.j6i"}},
                    TruncatedCase{"RecordLengthPastTheEnd",
                                  {SingleImage("A"), WithLength(SingleImage("B"), 200)},
                                  {"971101-001.j6i"}},
                    TruncatedCase{"GroupNamesPastTheEnd",
                                  {SingleImage("A"), WithCount(Group({"B", "C"}), 3)},
                                  {"971101-001.j6i"}},
                    TruncatedCase{"StepPastTheEnd",
                                  {SingleImage("A"), OtherPosition(255)},
                                  {"971101-001.j6i"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RelConverterTest, OnlyTheFirst8192BytesAreRead) {
    AddImage("A.J6I", 1);
    // From offset 512, 29 steps of 259 bytes and one of extraStep + 4 bytes lead to the end
    // marker; at 8190 it is the last two bytes read, at 8191 its second byte is not read.
    const auto indexWithEndMarkerAt = [](std::uint8_t extraStep) {
        RelFixture fixture = Index({SingleImage("A")});
        for (int i = 0; i < 29; ++i)
            fixture.records.push_back(OtherPosition(255));
        fixture.records.push_back(OtherPosition(extraStep));
        return fixture;
    };
    // SingleImage("A") takes 22 bytes of the 7678 between 512 and 8190.
    WriteIndex(indexWithEndMarkerAt(7678 - 22 - 29 * 259 - 4));
    EXPECT_EQ(Convert(), RelConvertResult::Finished);

    std::filesystem::remove_all(destination_);
    std::filesystem::create_directory(destination_);
    WriteIndex(indexWithEndMarkerAt(7678 - 22 - 29 * 259 - 4 + 1));
    EXPECT_EQ(Convert(), RelConvertResult::Truncated);
    EXPECT_EQ(Converted(), Lines{"971101-001.j6i"});
}

struct UnsafeCase {
    const char* name;
    std::string unsafeName;
    // Where a file of that name would have been opened, relative to the folder that holds the
    // source folder; a decoy image waits there.
    const char* decoyPath;
    friend void PrintTo(const UnsafeCase& c, std::ostream* os) { *os << c.name; }
};

class RelConverterUnsafeNameTest : public RelConverterTest,
                                   public testing::WithParamInterface<UnsafeCase> {};

TEST_P(RelConverterUnsafeNameTest, NeverReachesTheFileSystem) {
    AddImage("A.J6I", 1);
    AddImage("B.J6I", 2);
    const std::string decoy = folder_.Join(GetParam().decoyPath);
    std::filesystem::create_directories(std::filesystem::path(decoy).parent_path());
    test::WriteJ6iFile(decoy, ShotOnDay(9));
    WriteIndex(Index({SingleImage("A"), SingleImage(GetParam().unsafeName), SingleImage("B")}));

    EXPECT_EQ(Convert(true), RelConvertResult::UnsafeName);
    EXPECT_EQ(log_.lines(),
              (Lines{"旧名[A.J6I]", "新名[971101-001.j6i]", "削除[" + Source("A.J6I") + "]",
                     "RELファイルの画像名が不正です[INDEX.REL]"}));
    EXPECT_EQ(Converted(), Lines{"971101-001.j6i"});
    EXPECT_EQ(test::ReadFileBytes(decoy), test::MakeJ6iBytes(ShotOnDay(9)));
    EXPECT_TRUE(std::filesystem::exists(Source("B.J6I")));
}

INSTANTIATE_TEST_SUITE_P(Names, RelConverterUnsafeNameTest,
                         testing::Values(UnsafeCase{"Empty", "", "card/.j6i"},
                                         UnsafeCase{"Dot", ".", "card/..j6i"},
                                         UnsafeCase{"DotDot", "..", "card/...j6i"},
                                         UnsafeCase{"ParentFolder", "../decoy", "decoy.j6i"},
                                         UnsafeCase{"SubFolder", "a/b", "card/a/b.j6i"},
                                         UnsafeCase{"Backslash", "..\\x", "card/..\\x.j6i"},
                                         UnsafeCase{"ControlByte", "A\x01", "card/A\x01.j6i"},
                                         UnsafeCase{"DeleteByte", "A\x7F", "card/A\x7F.j6i"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The codes that callers of the index conversion have always been given: distinct results may
// share a code, never the other way round.
TEST(RelConvertResultTest, HistoricCodesStayAsTheyWere) {
    const std::vector<std::pair<RelConvertResult, int>> codes = {
        {RelConvertResult::Finished, 0},    {RelConvertResult::CannotOpen, 1},
        {RelConvertResult::ImageFailed, 1}, {RelConvertResult::ReadError, 2},
        {RelConvertResult::NotRel, 3},      {RelConvertResult::Truncated, 4},
        {RelConvertResult::UnsafeName, 4},  {RelConvertResult::Stopped, 5}};
    for (const auto& [result, code] : codes) {
        EXPECT_EQ(HistoricCode(result), code) << static_cast<int>(result);
    }
}

}  // namespace
}  // namespace kadoro
