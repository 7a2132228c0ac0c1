#include "frame/EditorAppearance.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "hexedit/CHexEditBase.h"

namespace veldrix {

namespace {

constexpr std::uint32_t kAddressDigits = 6;
constexpr std::uint32_t kBytesPerRow = 16;
// The frame of the highlight and the unused first mark colour.
constexpr Colorref kMagenta = 0xFF00FF;

// Pixel sizes the editor is usable with.
constexpr std::int64_t kSmallestPixels = 6;
constexpr std::int64_t kLargestPixels = 144;

// Parts of the record's pitch-and-family byte.
constexpr std::uint8_t kPitchMask = 0x03;
constexpr std::uint8_t kFixedPitch = 0x01;
constexpr std::uint8_t kFamilyMask = 0xF0;
constexpr std::uint8_t kModernFamily = 0x30;  // fixed stroke width

}  // namespace

void configureEditor(CHexEditBase& editor) {
    editor.SetAddressDigits(kAddressDigits, false);
    editor.SetShowAddress(true, false);
    editor.SetShowAscii(true, false);
    editor.SetBytesPerRow(kBytesPerRow, false, false);
}

void applyEditorSettings(CHexEditBase& editor, const ColorSettings& colors,
                         const FontSettings& font) {
    editor.SetAddressColors(colors.nucol, colors.adrcol, false);
    editor.SetHexColors(colors.nucol, colors.hexcol, false);
    editor.SetAsciiColors(colors.nucol, colors.asciicol, false);
    editor.SetBackgroundColor(colors.nucol, false);
    editor.SetHighlightColors(kMagenta, colors.nucol, colors.hlcol, false);
    editor.SetMarkColors(kMagenta, colors.MarkBkgCol, colors.markcol, false);
    // A font that is not fixed-pitch is refused and the editor keeps its own.
    (void)editor.SetFont(fontFromSettings(font), false);
    editor.update();
}

QFont fontFromSettings(const FontSettings& stored) {
    QFont font(QString::fromStdString(stored.lfFaceName));
    const bool fixed = (stored.lfPitchAndFamily & kPitchMask) == kFixedPitch ||
                       (stored.lfPitchAndFamily & kFamilyMask) == kModernFamily;
    if (fixed) {
        // Where the named face is missing, the substitute is fixed-pitch too.
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    // Negative heights give the character height, positive ones the cell's;
    // both are taken as the character height here.
    if (stored.lfHeight != 0) {
        const std::int64_t pixels = std::llabs(static_cast<std::int64_t>(stored.lfHeight));
        font.setPixelSize(static_cast<int>(std::clamp(pixels, kSmallestPixels, kLargestPixels)));
    }
    if (stored.lfWeight != 0) {
        const int weight = std::clamp(stored.lfWeight, 100, 900);
        font.setWeight(static_cast<QFont::Weight>(weight));
    }
    font.setItalic(stored.lfItalic != 0);
    font.setUnderline(stored.lfUnderline != 0);
    font.setStrikeOut(stored.lfStrikeOut != 0);
    return font;
}

}  // namespace veldrix
