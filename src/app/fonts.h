// The window's font names as the design gives them, and the installed fonts that stand in for them.
#pragma once

#include <QFont>

namespace kadoro {

// The design's families: the proportional window font and the fixed-pitch log font.
inline constexpr const char* kWindowFontFamily = "ＭＳ Ｐゴシック";
inline constexpr const char* kLogFontFamily = "ＭＳ ゴシック";
inline constexpr int kFontPixelSize = 12;
inline constexpr int kLogLineHeight = 12;

// Maps the design's families onto the IPA fonts (their metric twins), then Noto CJK. Call once
// after the application object exists and before any window is built.
void InstallFontSubstitutions();

QFont WindowFont();
QFont LogFont();

}  // namespace kadoro
