// The window's fonts: the design's Japanese family names, substituted by installed fonts.
#include "app/fonts.h"

#include <QStringList>

namespace kadoro {
namespace {

QFont FontOf(const char* family, QFont::StyleHint hint) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(kFontPixelSize);
    font.setStyleHint(hint);
    return font;
}

}  // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(kWindowFontFamily),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    // Noto's proportional CJK face would break the report's columns, so its mono face comes first.
    QFont::insertSubstitutions(
        QString::fromUtf8(kLogFontFamily),
        {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
         QStringLiteral("Noto Sans CJK JP")});
}

QFont WindowFont() {
    return FontOf(kWindowFontFamily, QFont::SansSerif);
}

QFont LogFont() {
    QFont font = FontOf(kLogFontFamily, QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

}  // namespace kadoro
