#include "hexedit/HexEditSettings.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "hexedit/HexFont.h"

namespace veldrix::test {
namespace {

TEST(HexEditSettings, EveryColourGoesWhereTheSettingsSay) {
    ColorSettings colors;
    colors.adrcol = 0x000001;
    colors.hexcol = 0x000002;
    colors.asciicol = 0x000003;
    colors.nucol = 0x000004;
    colors.hlcol = 0x000005;
    colors.markcol = 0x000006;
    colors.MarkBkgCol = 0x000007;
    CHexEditBase editor;
    applyHexEditSettings(editor, colors, FontSettings{});
    const HexEditColors& shown = editor.colors();
    EXPECT_EQ(shown.addressText, 1u);
    EXPECT_EQ(shown.hexText, 2u);
    EXPECT_EQ(shown.asciiText, 3u);
    for (const Colorref background :
         {shown.addressBackground, shown.hexBackground, shown.asciiBackground,
          shown.windowBackground, shown.highlightBackground}) {
        EXPECT_EQ(background, 4u);
    }
    EXPECT_EQ(shown.highlightText, 5u);
    EXPECT_EQ(shown.markText, 6u);
    EXPECT_EQ(shown.markBackground, 7u);
}

TEST(HexEditSettings, TheFontRecordGivesAFixedPitchFontOfItsHeight) {
    FontSettings record;
    record.lfFaceName = QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
    record.lfHeight = -17;
    record.lfItalic = 1;
    const QFont font = hexEditFontFromSettings(record);
    EXPECT_EQ(QFontInfo(font).pixelSize(), 17);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(hexEditFont(font).has_value());

    // A proportional face cannot draw the editor's grid.
    record.lfFaceName =
        QFontDatabase::systemFont(QFontDatabase::GeneralFont).family().toStdString();
    if (!hexEditFont(QFont(QString::fromStdString(record.lfFaceName))).has_value()) {
        EXPECT_TRUE(hexEditFont(hexEditFontFromSettings(record)).has_value());
    }
}

// The default face is a raster face no Linux system has; its stand-in must
// keep the raster face's cell height, or the default window cuts every row.
TEST(HexEditSettings, AMissingFaceGetsAStandInOfTheSameCellHeight) {
    FontSettings record;
    record.lfFaceName = "No such face 7f3a";
    ASSERT_FALSE(QFontDatabase::hasFamily(QString::fromStdString(record.lfFaceName)));
    for (const int height : {12, 19, 30}) {
        record.lfHeight = -height;
        const QFont font = hexEditFontFromSettings(record);
        const int cell = QFontMetrics(font).height();
        EXPECT_LE(cell, height);
        EXPECT_GE(cell, height - 2) << "the stand-in shrank more than needed";
    }
}

}  // namespace
}  // namespace veldrix::test
