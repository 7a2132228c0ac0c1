#include "hexedit/HexEditSettings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <QFontDatabase>
#include <QFontMetrics>

#include "hexedit/HexFont.h"

namespace veldrix {

namespace {

// The frame colour the main window gives the highlight and the mark colours.
constexpr Colorref kFrameColor = 0xFF00FF;
// Weights a font record may carry; 0 means "don't care".
constexpr int kMinWeight = 1;
constexpr int kMaxWeight = 1000;
// Character heights the editor is usable with, pixels; a damaged store may
// give any number.
constexpr std::int64_t kSmallestPixels = 6;
constexpr std::int64_t kLargestPixels = 144;

// A face this system lacks, above all the default "Terminal", a raster face
// without internal leading, gets a stand-in whose whole character cell is the
// requested height, as the raster face's is. Sized by its em instead, the
// stand-in's cells are a fifth wider, and a row of 16 bytes no longer fits
// the default window width.
bool isMissingFace(const QString& family) {
    // The generic name is the font system's own choice, not a missing face.
    return family.compare(QLatin1String("monospace"), Qt::CaseInsensitive) != 0 &&
           !QFontDatabase::hasFamily(family);
}

int standInPixelSize(QFont font, int height) {
    int pixels = height;
    font.setPixelSize(pixels);
    while (pixels > kSmallestPixels && QFontMetrics(font).height() > height) {
        font.setPixelSize(--pixels);
    }
    return pixels;
}

}  // namespace

QFont hexEditFontFromSettings(const FontSettings& record) {
    QFont font(QString::fromStdString(record.lfFaceName));
    // Negative heights give the character height, positive ones the cell's;
    // both are taken as the character height here.
    if (record.lfHeight != 0) {
        const std::int64_t pixels = std::llabs(static_cast<std::int64_t>(record.lfHeight));
        font.setPixelSize(static_cast<int>(std::clamp(pixels, kSmallestPixels, kLargestPixels)));
    }
    if (record.lfWeight != 0) {
        font.setWeight(
            static_cast<QFont::Weight>(std::clamp(record.lfWeight, kMinWeight, kMaxWeight)));
    }
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    if (font.pixelSize() > 0 && isMissingFace(font.family())) {
        font.setPixelSize(standInPixelSize(font, font.pixelSize()));
    }
    return hexEditFont(font).value_or(systemHexEditFont());
}

void applyHexEditSettings(CHexEditBase& editor, const ColorSettings& colors,
                          const FontSettings& font) {
    editor.SetAddressColors(colors.nucol, colors.adrcol, false);
    editor.SetHexColors(colors.nucol, colors.hexcol, false);
    editor.SetAsciiColors(colors.nucol, colors.asciicol, false);
    editor.SetBackgroundColor(colors.nucol, false);
    editor.SetHighlightColors(kFrameColor, colors.nucol, colors.hlcol, false);
    editor.SetMarkColors(kFrameColor, colors.MarkBkgCol, colors.markcol, false);
    editor.SetFont(hexEditFontFromSettings(font), true);
}

}  // namespace veldrix
