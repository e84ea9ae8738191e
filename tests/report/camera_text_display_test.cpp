// Camera texts as the report shows them: UTF-8 unchanged, code page 932 decoded, bad bytes as "?".
#include "report/camera_text_display.h"

#include <gtest/gtest.h>

#include <string>

namespace kadoro {
namespace {

struct DisplayCase {
    const char* name;
    std::string bytes;
    std::string expected;
    friend void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }
};

class CameraTextDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(CameraTextDisplayTest, ShowsTheText) {
    EXPECT_EQ(CameraTextForDisplay(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CameraTextDisplayTest,
    testing::Values(
        DisplayCase{"Empty", "", ""},
        DisplayCase{"PureAscii", "OLYMPUS OPTICAL CO.,LTD.  985", "OLYMPUS OPTICAL CO.,LTD.  985"},
        DisplayCase{"ValidUtf8StaysAsItIs", "カメラ 写真", "カメラ 写真"},
        DisplayCase{"Cp932Katakana", "\x83\x4A\x83\x81\x83\x89", "カメラ"},
        DisplayCase{"Cp932Kanji", "\x8E\xCA\x90\x5E", "写真"},
        DisplayCase{"Cp932HalfWidthKatakana", "\xB6\xD2\xD7", "ｶﾒﾗ"},
        DisplayCase{"Cp932AmongAscii", "DC-\x83\x4A\x83\x81\x83\x89 1", "DC-カメラ 1"},
        // Overlong UTF-8 is not UTF-8, so the bytes are code page 932 half-width katakana.
        DisplayCase{"OverlongUtf8IsCp932", "\xC0\xAF", "ﾀｯ"},
        DisplayCase{"LeadByteCutAtTheEnd", "\x83\x4A\x83", "カ?"},
        DisplayCase{"LoneLeadByte", "\x83", "?"},
        DisplayCase{"LeadByteBeforeNoTrailByte", "\x83 A\x83\x4A", "? Aカ"},
        DisplayCase{"PairThatIsNoCharacter", "A\x85\x40Z", "A?Z"},
        DisplayCase{"ByteThatIsNoCharacter", "A\x80Z\xA0\xFD", "A?Z??"},
        DisplayCase{"UndecodableBeforeKatakana", "\xFF\x83\x4A", "?カ"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kadoro
