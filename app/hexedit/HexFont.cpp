#include "hexedit/HexFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <cmath>

namespace veldrix {

namespace {

// Fixed pitch as far as the editor draws: every printable ASCII character
// advances alike. Some monospaced faces are not flagged fixed by the font
// system because of a few double-width glyphs outside that range.
bool isFixedPitch(const QFont& font) {
    if (QFontInfo(font).fixedPitch()) {
        return true;
    }
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char c = 0x20; c < 0x7F; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) != advance) {
            return false;
        }
    }
    return true;
}

QFont withWholePixelAdvance(QFont font) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    const qreal whole = std::ceil(advance - 0.01);
    if (whole != advance) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, whole - advance);
    }
    return font;
}

}  // namespace

std::optional<QFont> hexEditFont(const QFont& offered) {
    if (!isFixedPitch(offered)) {
        return std::nullopt;
    }
    return withWholePixelAdvance(offered);
}

QFont systemHexEditFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    return withWholePixelAdvance(font);
}

}  // namespace veldrix
