// The naming module: every scheme for both kinds, sequence texts, labels, joining, collisions.
#include "convert/naming.h"

#include <gtest/gtest.h>

#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro {
namespace {

NameFields J6iFields(int year, int month = 11, int day = 23) {
    NameFields fields;
    fields.year = year;
    fields.month = month;
    fields.day = day;
    fields.hour = 14;
    fields.minute = 5;
    fields.second = 9;
    fields.sequenceText = "012";
    return fields;
}

NameFields JpgFields(int yearsSince1900, std::string size, std::string letter, std::string camera) {
    NameFields fields = J6iFields(yearsSince1900);
    fields.sizeLabel = std::move(size);
    fields.qualityLetter = std::move(letter);
    fields.cameraLabel = std::move(camera);
    return fields;
}

struct NameCase {
    const char* name;
    FileKind kind;
    int scheme;
    NameFields fields;
    const char* expected;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class BuildNewNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(BuildNewNameTest, FormatsTheScheme) {
    const auto name = BuildNewName(GetParam().kind, GetParam().scheme, GetParam().fields);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, GetParam().expected);
}

const NameFields kJ6i1997 = J6iFields(97);
const NameFields kOlympus1997 = JpgFields(97, "640x480", "L", "OLYMPUS");
const NameFields kJpg2003 = JpgFields(103, "640x480", "L", "OLYMPUS");

INSTANTIATE_TEST_SUITE_P(
    Schemes, BuildNewNameTest,
    testing::Values(
        NameCase{"J6iScheme0", FileKind::J6i, 0, kJ6i1997, "DC-2 1997-11-23 1405 012.j6i"},
        NameCase{"J6iScheme1", FileKind::J6i, 1, kJ6i1997, "1997-11-23 1405 012 DC-2.j6i"},
        NameCase{"J6iScheme2", FileKind::J6i, 2, kJ6i1997, "1997-11-23 1405 DC-2 012.j6i"},
        NameCase{"J6iScheme3", FileKind::J6i, 3, kJ6i1997, "1997-11-23 1405 012.j6i"},
        NameCase{"J6iScheme4", FileKind::J6i, 4, kJ6i1997, "1997-11-23 1405 012.j6i"},
        NameCase{"J6iScheme5", FileKind::J6i, 5, kJ6i1997, "1997-11-23 1405.j6i"},
        NameCase{"J6iScheme6", FileKind::J6i, 6, kJ6i1997, "19971123-1405-012.j6i"},
        NameCase{"J6iScheme7", FileKind::J6i, 7, kJ6i1997, "19971123-1405.j6i"},
        NameCase{"J6iScheme8", FileKind::J6i, 8, kJ6i1997, "971123-012.j6i"},
        NameCase{"J6iScheme9", FileKind::J6i, 9, kJ6i1997, "971123-1405-012.j6i"},
        NameCase{"J6iScheme10", FileKind::J6i, 10, kJ6i1997, "971123-140509.j6i"},
        NameCase{"J6iYear01IsThisCentury", FileKind::J6i, 0, J6iFields(1),
                 "DC-2 2001-11-23 1405 012.j6i"},
        NameCase{"J6iYear01Scheme7", FileKind::J6i, 7, J6iFields(1), "20011123-1405.j6i"},
        NameCase{"J6iYear01TwoDigits", FileKind::J6i, 9, J6iFields(1), "011123-1405-012.j6i"},
        NameCase{"J6iInvalidBcdYearPrintsInFull", FileKind::J6i, 3, J6iFields(105),
                 "19105-11-23 1405 012.j6i"},
        NameCase{"J6iInvalidBcdTwoDigitYear", FileKind::J6i, 8, J6iFields(105), "1051123-012.j6i"},
        NameCase{"J6iAllZeroDate", FileKind::J6i, 3, J6iFields(0, 0, 0), "2000-00-00 1405 012.j6i"},
        NameCase{"J6iWideMonth", FileKind::J6i, 3, J6iFields(97, 105), "1997-105-23 1405 012.j6i"},
        NameCase{"JpgScheme0", FileKind::Jpg, 0, kOlympus1997,
                 "OLYMPUS 1997-11-23 1405 012 640x480.jpg"},
        NameCase{"JpgScheme1", FileKind::Jpg, 1, kOlympus1997,
                 "1997-11-23 1405 012 640x480 OLYMPUS.jpg"},
        NameCase{"JpgScheme2", FileKind::Jpg, 2, kOlympus1997,
                 "1997-11-23 1405 640x480 OLYMPUS 012.jpg"},
        NameCase{"JpgScheme3", FileKind::Jpg, 3, kOlympus1997, "1997-11-23 1405 012 640x480.jpg"},
        NameCase{"JpgScheme4", FileKind::Jpg, 4, kOlympus1997, "1997-11-23 1405 012 L.jpg"},
        NameCase{"JpgScheme5", FileKind::Jpg, 5, kOlympus1997, "1997-11-23 1405 L.jpg"},
        NameCase{"JpgScheme6", FileKind::Jpg, 6, kOlympus1997, "19971123-1405L-012.jpg"},
        NameCase{"JpgScheme7", FileKind::Jpg, 7, kOlympus1997, "971123-1405L.jpg"},
        NameCase{"JpgScheme8", FileKind::Jpg, 8, kOlympus1997, "971123-012.jpg"},
        NameCase{"JpgScheme9", FileKind::Jpg, 9, kOlympus1997, "971123-1405-012.jpg"},
        NameCase{"JpgScheme10", FileKind::Jpg, 10, kOlympus1997, "971123-140509.jpg"},
        NameCase{"Jpg2003FourDigits", FileKind::Jpg, 3, kJpg2003,
                 "2003-11-23 1405 012 640x480.jpg"},
        NameCase{"Jpg2003TwoDigitsAreZeroPadded", FileKind::Jpg, 8, JpgFields(103, "", "", ""),
                 "031123-012.jpg"},
        NameCase{"Jpg2003Scheme7", FileKind::Jpg, 7, kJpg2003, "031123-1405L.jpg"},
        NameCase{"Jpg2000Scheme10", FileKind::Jpg, 10, JpgFields(100, "", "", ""),
                 "001123-140509.jpg"},
        NameCase{"JpgEmptyLabels", FileKind::Jpg, 0, JpgFields(97, "", "", ""),
                 " 1997-11-23 1405 012 .jpg"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildNewNameTest, SchemeOutsideTheListHasNoName) {
    EXPECT_FALSE(BuildNewName(FileKind::J6i, -1, kJ6i1997).has_value());
    EXPECT_FALSE(BuildNewName(FileKind::Jpg, 11, kJ6i1997).has_value());
}

TEST(SchemeItemTextTest, ListsTheElevenSchemesInOrder) {
    EXPECT_EQ(SchemeItemText(0), "CP500 YYYY-MM-DD HHMM ### SIZE");
    EXPECT_EQ(SchemeItemText(6), "YYYYMMMDD-HHMMH-###");
    EXPECT_EQ(SchemeItemText(10), "YYMMDD-HHMMSS");
    EXPECT_EQ(SchemeItemText(11), "");
}

struct SequenceCase {
    const char* name;
    const char* fileName;
    int sequenceNumber;
    int subNumber;
    const char* expected;
    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }
};

class SequenceTextTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTextTest, MakesTheText) {
    const SequenceCase& c = GetParam();
    EXPECT_EQ(MakeSequenceText(c.fileName, c.sequenceNumber, c.subNumber), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SequenceTextTest,
    testing::Values(SequenceCase{"LastDigitsOfName", "P0000012.J6I", -1, -1, "012"},
                    SequenceCase{"OnlyThreeCharactersCount", "PICT1234.JPG", -1, -1, "234"},
                    SequenceCase{"StopsAtBlank", "CAM 7.JPG", -1, -1, "007"},
                    SequenceCase{"StopsAtStartOfName", "AB.JPG", -1, -1, "000"},
                    SequenceCase{"ReadsLeadingDigits", "IMG12A.JPG", -1, -1, "012"},
                    SequenceCase{"UsesTheLastDot", "v1.2.345.jpg", -1, -1, "345"},
                    SequenceCase{"NoCharactersBeforeDot", ".JPG", -1, -1, "000"},
                    SequenceCase{"SequenceNumberAlone", "x.J6I", 1, -1, "001"},
                    SequenceCase{"WideSequenceNumber", "x.J6I", 1234, -1, "1234"},
                    SequenceCase{"BothNumbers", "x.J6I", 2, 3, "002-003"},
                    SequenceCase{"GroupNumbers", "x.J6I", 3, 12, "003-012"},
                    SequenceCase{"SubNumberAloneIsIgnored", "P0000012.J6I", -1, 5, "012"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelCase {
    const char* name;
    const char* maker;
    int resolution;
    int imageSize;
    JpgLabels expected;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }
};

class JpgLabelsTest : public testing::TestWithParam<LabelCase> {};

TEST_P(JpgLabelsTest, DerivesTheLabels) {
    const LabelCase& c = GetParam();
    const JpgLabels labels = MakeJpgLabels(c.maker, c.resolution, c.imageSize);
    EXPECT_EQ(labels.sizeLabel, c.expected.sizeLabel);
    EXPECT_EQ(labels.qualityLetter, c.expected.qualityLetter);
    EXPECT_EQ(labels.cameraLabel, c.expected.cameraLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JpgLabelsTest,
    testing::Values(
        LabelCase{"SanyoResolution2", "Sanyo Electric", 2, 0, {"640x480", "H", "CP200"}},
        LabelCase{"SanyoOtherResolutionIgnoresSize", "Sanyo", 1, 4, {"320x240", "L", "CP200"}},
        LabelCase{"Size0", "OLYMPUS OPTICAL", -1, 0, {"320x240", "L", "OLYMPUS"}},
        LabelCase{"Size1", "OLYMPUS", -1, 1, {"640x480", "L", "OLYMPUS"}},
        LabelCase{"Size2", "SEIKO EPSON", -1, 2, {"1024x384P", "P", "CP500"}},
        LabelCase{"Size3", "Agfa", -1, 3, {"1024x768N", "S", ""}},
        LabelCase{"Size4", "OLYMPUS", 3, 4, {"1024x768H", "H", "OLYMPUS"}},
        LabelCase{"NoSize", "SEIKO", -1, -1, {"", "", "CP500"}},
        LabelCase{"SizeOutOfTable", "OLYMPUS", -1, 5, {"", "", "OLYMPUS"}},
        LabelCase{"PrefixIsCaseSensitive", "sanyo", 2, 1, {"640x480", "L", ""}},
        LabelCase{"EmptyMaker", "", -1, -1, {"", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

class FindFreeNameTest : public testing::Test {
protected:
    void Touch(const std::string& name) { test::WriteFileBytes(folder_.Join(name), {1}); }
    test::TempFolder folder_;
};

TEST_F(FindFreeNameTest, FreeBaseNameIsTaken) {
    const FreeName free = FindFreeName(folder_.path(), "971123-012.j6i", FileKind::J6i);
    EXPECT_EQ(free.name, "971123-012.j6i");
    EXPECT_EQ(free.path, folder_.Join("971123-012.j6i"));
}

TEST_F(FindFreeNameTest, TakenNamesGetTheNextSuffix) {
    Touch("a.j6i");
    EXPECT_EQ(FindFreeName(folder_.path(), "a.j6i", FileKind::J6i).name, "a-001.j6i");
    Touch("a-001.j6i");
    EXPECT_EQ(FindFreeName(folder_.path(), "a.j6i", FileKind::J6i).name, "a-002.j6i");
    Touch("b.jpg");
    EXPECT_EQ(FindFreeName(folder_.path(), "b.jpg", FileKind::Jpg).name, "b-001.jpg");
}

TEST_F(FindFreeNameTest, AFolderAtTheNameCountsAsTaken) {
    folder_.MakeFolder("a.jpg");
    EXPECT_EQ(FindFreeName(folder_.path(), "a.jpg", FileKind::Jpg).name, "a-001.jpg");
}

TEST_F(FindFreeNameTest, SuffixGrowsPast999) {
    Touch("x.jpg");
    for (int i = 1; i <= 999; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "x-%03d.jpg", i);
        Touch(name);
    }
    EXPECT_EQ(FindFreeName(folder_.path(), "x.jpg", FileKind::Jpg).name, "x-1000.jpg");
}

TEST_F(FindFreeNameTest, MemoGivesTheNamesOfAFreshSearch) {
    FreeNameMemo memo;
    for (const char* expected : {"s.j6i", "s-001.j6i", "s-002.j6i"}) {
        const FreeName free = FindFreeName(folder_.path(), "s.j6i", FileKind::J6i, &memo);
        EXPECT_EQ(free.name, expected);
        EXPECT_EQ(free.name, FindFreeName(folder_.path(), "s.j6i", FileKind::J6i).name);
        Touch(free.name);
    }
    // A name freed behind the memo's back is found again once the memo is forgotten.
    std::remove(folder_.Join("s-001.j6i").c_str());
    memo.Forget();
    EXPECT_EQ(FindFreeName(folder_.path(), "s.j6i", FileKind::J6i, &memo).name, "s-001.j6i");
}

}  // namespace
}  // namespace kadoro
