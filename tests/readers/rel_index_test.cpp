// The .REL record chain walked over bytes in memory: what is listed, with which numbers, and how
// each kind of damaged index ends the walk.
#include "readers/rel_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "support/rel_fixture.h"

namespace kadoro {
namespace {

using test::Group;
using test::OtherPosition;
using test::RelFixture;
using test::SingleImage;
using test::WithCount;
using test::WithLength;
using Events = std::vector<std::string>;

// What the walk handed on: "NAME 3" for an image listed alone, "NAME 3-2" for the second image
// of group 3, and "|" where an index record was done.
struct Walk {
    RelWalkEnd end;
    Events events;
};

Walk WalkOver(std::span<const std::uint8_t> bytes, const std::string& stopAt = "") {
    Walk walk{RelWalkEnd::EndMarker, {}};
    RelWalkCallbacks callbacks;
    callbacks.image = [&](const RelListedImage& image) {
        std::string event = image.name + " " + std::to_string(image.sequenceNumber);
        if (image.subNumber != -1) event += "-" + std::to_string(image.subNumber);
        walk.events.push_back(event);
        return image.name == stopAt ? RelVisit::Stop : RelVisit::Continue;
    };
    callbacks.indexRecordDone = [&] { walk.events.push_back("|"); };
    walk.end = WalkRelIndex(bytes, callbacks);
    return walk;
}

RelFixture WorkedExample() {
    RelFixture fixture;
    fixture.records = {SingleImage("A"), SingleImage("B"), Group({"C", "D", "E"}),
                       SingleImage("F")};
    return fixture;
}

const Events kWorkedExampleEvents = {"A 1",   "|",     "B 2", "|",   "C 3-1",
                                     "D 3-2", "E 3-3", "|",   "F 4", "|"};

test::Bytes Cut(test::Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

RelFixture Unterminated(std::vector<test::RelRecord> records) {
    RelFixture fixture;
    fixture.records = std::move(records);
    fixture.endMarker = false;
    fixture.trailingBytes = 0;
    return fixture;
}

TEST(RelIndexTest, WorkedExampleNumbersSinglesAndGroups) {
    const Walk walk = WalkOver(test::MakeRelBytes(WorkedExample()));
    EXPECT_EQ(walk.end, RelWalkEnd::EndMarker);
    EXPECT_EQ(walk.events, kWorkedExampleEvents);
}

TEST(RelIndexTest, StopEndsTheWalkAtOnce) {
    const Walk walk = WalkOver(test::MakeRelBytes(WorkedExample()), "D");
    EXPECT_EQ(walk.end, RelWalkEnd::Stopped);
    EXPECT_EQ(walk.events, (Events{"A 1", "|", "B 2", "|", "C 3-1", "D 3-2"}));
}

struct WalkCase {
    const char* name;
    test::Bytes bytes;
    RelWalkEnd expectedEnd;
    Events expectedEvents;
    friend void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }
};

class RelIndexWalkTest : public testing::TestWithParam<WalkCase> {};

TEST_P(RelIndexWalkTest, ListsAndEnds) {
    const Walk walk = WalkOver(GetParam().bytes);
    EXPECT_EQ(walk.end, GetParam().expectedEnd);
    EXPECT_EQ(walk.events, GetParam().expectedEvents);
}

test::Bytes Index(std::vector<test::RelRecord> records) {
    RelFixture fixture;
    fixture.records = std::move(records);
    return test::MakeRelBytes(fixture);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RelIndexWalkTest,
    testing::Values(WalkCase{"EndMarkerAtTheStartOfTheChain", Index({}), RelWalkEnd::EndMarker, {}},
                    WalkCase{"Type3IsASingleImage",
                             Index({SingleImage("A", 3), SingleImage("B", 1), SingleImage("C", 3)}),
                             RelWalkEnd::EndMarker,
                             {"A 1", "|", "B 2", "|", "C 3", "|"}},
                    WalkCase{"IgnoredTypesTakeNoNumberButEndARecord",
                             Index({SingleImage("X", 0), SingleImage("X", 2), SingleImage("A"),
                                    SingleImage("X", 5), SingleImage("X", 0xFF), SingleImage("B")}),
                             RelWalkEnd::EndMarker,
                             {"|", "|", "A 1", "|", "|", "|", "B 2", "|"}},
                    WalkCase{"OtherPositionsAreSteppedOverByTheirLength",
                             Index({OtherPosition(30), SingleImage("A"),
                                    OtherPosition(0, {'U', 'V'}), OtherPosition(3, {0xFF, 0x00}),
                                    OtherPosition(255, {0x00, 0xFF}), SingleImage("B")}),
                             RelWalkEnd::EndMarker,
                             {"A 1", "|", "B 2", "|"}},
                    WalkCase{"GroupOfOneIsNumberedAsAGroup",
                             Index({Group({"A"}), SingleImage("B")}),
                             RelWalkEnd::EndMarker,
                             {"A 1-1", "|", "B 2", "|"}},
                    WalkCase{"EmptyGroupTakesANumber",
                             Index({Group({}), SingleImage("A")}),
                             RelWalkEnd::EndMarker,
                             {"|", "A 2", "|"}},
                    WalkCase{"NulPaddedNamesEndAtTheirFirstNul",
                             Index({SingleImage("ABC"), SingleImage(std::string("AB\0XYZ", 6))}),
                             RelWalkEnd::EndMarker,
                             {"ABC 1", "|", "AB 2", "|"}},
                    WalkCase{"EightCharacterNamesFillTheirFields",
                             Index({Group({"ABCDEFGH", "IJKLMNOP"}), SingleImage("QRSTUVWX")}),
                             RelWalkEnd::EndMarker,
                             {"ABCDEFGH 1-1", "IJKLMNOP 1-2", "|", "QRSTUVWX 2", "|"}},
                    WalkCase{"MultiByteNamesPass",
                             Index({SingleImage("\x83\x4A\x83\x81\x83\x89")}),
                             RelWalkEnd::EndMarker,
                             {"\x83\x4A\x83\x81\x83\x89 1", "|"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Damaged, RelIndexWalkTest,
    testing::Values(
        WalkCase{"NoBytes", {}, RelWalkEnd::NotRelIndex, {}},
        WalkCase{"WrongFirstByte",
                 [] {
                     RelFixture fixture = WorkedExample();
                     fixture.magic = 0x81;
                     return test::MakeRelBytes(fixture);
                 }(),
                 RelWalkEnd::NotRelIndex,
                 {}},
        WalkCase{"ShorterThanTheHeader", Cut(Index({}), 100), RelWalkEnd::Truncated, {}},
        WalkCase{"NoEndMarker",
                 test::MakeRelBytes(Unterminated({SingleImage("A")})),
                 RelWalkEnd::Truncated,
                 {"A 1", "|"}},
        WalkCase{"HalfAnEndMarker",
                 Cut(Index({SingleImage("A")}), 512 + 22 + 1),
                 RelWalkEnd::Truncated,
                 {"A 1", "|"}},
        WalkCase{"LengthBytePastTheEnd",
                 Cut(Index({SingleImage("A")}), 512 + 3),
                 RelWalkEnd::Truncated,
                 {}},
        WalkCase{
            "RecordLengthPastTheEnd",
            test::MakeRelBytes(Unterminated({SingleImage("A"), WithLength(SingleImage("B"), 200)})),
            RelWalkEnd::Truncated,
            {"A 1", "|"}},
        WalkCase{"TypeBytePastTheEnd",
                 Cut(test::MakeRelBytes(Unterminated({WithLength(SingleImage("A"), 0)})), 512 + 7),
                 RelWalkEnd::Truncated,
                 {}},
        WalkCase{"NamePastTheEnd",
                 Cut(test::MakeRelBytes(Unterminated({WithLength(SingleImage("A"), 4)})), 512 + 20),
                 RelWalkEnd::Truncated,
                 {}},
        WalkCase{"GroupNamesPastTheEnd",
                 test::MakeRelBytes(Unterminated({SingleImage("A"), WithCount(Group({"C", "D"}), 5),
                                                  SingleImage("E")})),
                 RelWalkEnd::Truncated,
                 {"A 1", "|"}},
        WalkCase{"OtherPositionPastTheEnd",
                 test::MakeRelBytes(Unterminated({SingleImage("A"), OtherPosition(255)})),
                 RelWalkEnd::Truncated,
                 {"A 1", "|"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RelIndexTest, GroupNamesAreReadPastTheRecordLength) {
    std::vector<std::string> names;
    Events expected;
    for (int i = 1; i <= 40; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "N%02d", i);
        names.push_back(name);
        expected.push_back(std::string(name) + " 1-" + std::to_string(i));
    }
    expected.push_back("|");
    // 40 names take 320 bytes, far more than the 259 that a length byte can cover; the chain
    // then runs on through the names and off the end.
    const Walk walk = WalkOver(test::MakeRelBytes(Unterminated({Group(names)})));
    EXPECT_EQ(walk.end, RelWalkEnd::Truncated);
    EXPECT_EQ(walk.events, expected);
}

TEST(RelIndexTest, EveryCutOfAnIndexEndsTruncatedAfterWhatItHolds) {
    RelFixture fixture = WorkedExample();
    fixture.trailingBytes = 0;
    const test::Bytes whole = test::MakeRelBytes(fixture);
    for (std::size_t size = 1; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        // A prefix of the whole buffer: a walk that looked past it would find the end marker.
        const Walk walk = WalkOver(std::span(whole).first(size));
        EXPECT_EQ(walk.end, RelWalkEnd::Truncated);
        ASSERT_LE(walk.events.size(), kWorkedExampleEvents.size());
        EXPECT_TRUE(
            std::equal(walk.events.begin(), walk.events.end(), kWorkedExampleEvents.begin()));
        // A record is handed on only when all of it was read.
        EXPECT_TRUE(walk.events.empty() || walk.events.back() == "|");
    }
}

struct UnsafeCase {
    const char* name;
    std::string unsafeName;
    friend void PrintTo(const UnsafeCase& c, std::ostream* os) { *os << c.name; }
};

class RelIndexUnsafeNameTest : public testing::TestWithParam<UnsafeCase> {};

TEST_P(RelIndexUnsafeNameTest, EndsTheWalkBeforeTheRecord) {
    const Walk single =
        WalkOver(Index({SingleImage("A"), SingleImage(GetParam().unsafeName), SingleImage("B")}));
    EXPECT_EQ(single.end, RelWalkEnd::UnsafeName);
    EXPECT_EQ(single.events, (Events{"A 1", "|"}));

    // No image of a group is handed on when any of its names is unsafe.
    const Walk group =
        WalkOver(Index({SingleImage("A"), Group({"C", GetParam().unsafeName, "D"})}));
    EXPECT_EQ(group.end, RelWalkEnd::UnsafeName);
    EXPECT_EQ(group.events, (Events{"A 1", "|"}));
}

INSTANTIATE_TEST_SUITE_P(
    Names, RelIndexUnsafeNameTest,
    testing::Values(UnsafeCase{"Empty", ""}, UnsafeCase{"Dot", "."}, UnsafeCase{"DotDot", ".."},
                    UnsafeCase{"Slash", "a/b"}, UnsafeCase{"ParentFolder", "../decoy"},
                    UnsafeCase{"RootFolder", "/etc/x"}, UnsafeCase{"Backslash", "a\\b"},
                    UnsafeCase{"ControlByte", "AB\x01"}, UnsafeCase{"Newline", "A\nB"},
                    UnsafeCase{"DeleteByte", "A\x7F"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kadoro
