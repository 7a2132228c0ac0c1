#include <gtest/gtest.h>

#include "hexedit/HexGeometry.h"

namespace veldrix {
namespace {

// 8 x 16 characters, client at (5, 5) 590 x 290: 18 full rows (17 data rows
// below the header), 19 rows with the partial one; hex column at x 53.
HexLayout frameLayout(std::uint32_t length) {
    HexLayoutInput in;
    in.windowRect = QRect(0, 0, 600, 300);
    in.charWidth = 8;
    in.rowHeight = 16;
    in.showAddress = true;
    in.showAscii = true;
    in.addressDigits = 6;
    in.length = length;
    return calculateHexLayout(in);
}

TEST(HexGeometry, HitTestFindsByteAndDigit) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 0, 0);
    const int hex = 5 + 53;               // first digit of column 0
    const int row2 = 5 + 2 * 16 + 2 + 4;  // inside the second data row
    EXPECT_EQ(geometry.hitTest(QPoint(hex + 1, row2), true, 1000), (HexPosition{16, true}));
    EXPECT_EQ(geometry.hitTest(QPoint(hex + 8 + 1, row2), true, 1000), (HexPosition{16, false}));
    // The gap after a pair belongs to its low digit; the next pair starts 3 cells on.
    EXPECT_EQ(geometry.hitTest(QPoint(hex + 16 + 1, row2), true, 1000), (HexPosition{16, false}));
    EXPECT_EQ(geometry.hitTest(QPoint(hex + 24 + 1, row2), true, 1000), (HexPosition{17, true}));
}

TEST(HexGeometry, HitTestClampsToTheHexCellsAndTheData) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 0, 0);
    // Left of the column, in the header: first byte of the first data row.
    EXPECT_EQ(geometry.hitTest(QPoint(0, 0), true, 1000), (HexPosition{0, true}));
    // Far right: last byte of the row.
    EXPECT_EQ(geometry.hitTest(QPoint(590, 5 + 16 + 4), true, 1000).index, 15u);
    // Past the data: the last byte, low digit.
    const HexGeometry scrolled(layout, layout.maxTopRow, 0);
    EXPECT_EQ(scrolled.hitTest(QPoint(590, 299), true, 1000), (HexPosition{999, false}));
}

TEST(HexGeometry, HitTestFollowsScrolling) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 10, 24);
    // Scrolled one byte's cells to the left and ten rows down.
    EXPECT_EQ(geometry.hitTest(QPoint(5 + 53 + 1, 5 + 16 + 6), true, 1000),
              (HexPosition{10 * 16 + 1, true}));
}

TEST(HexGeometry, CaretIsOneCharWideAndOnePixelShorterThanItsRow) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 0, 0);
    EXPECT_EQ(geometry.caretRect({17, false}), QRect(5 + 53 + 4 * 8, 5 + 1 + 2 * 16, 8, 15));
    // On the partly visible last row (2 pixels) only 1 pixel is left.
    const std::uint32_t inLastRow = 17 * 16;
    EXPECT_EQ(geometry.caretRect({inLastRow, true}).height(), 1);
    // Rows out of view have no caret.
    EXPECT_TRUE(geometry.caretRect({19 * 16, true}).isEmpty());
    EXPECT_TRUE(HexGeometry(layout, 1, 0).caretRect({15, true}).isEmpty());
}

TEST(HexGeometry, CaretScrolledOutSidewaysIsHidden) {
    const HexLayout layout = frameLayout(1000);
    // Scrolled so far that byte 0's cells are left of the client.
    EXPECT_TRUE(HexGeometry(layout, 0, 53 + 20).caretRect({0, true}).isEmpty());
    EXPECT_FALSE(HexGeometry(layout, 0, 53 + 20).caretRect({5, true}).isEmpty());
}

TEST(HexGeometry, ScrollsDownSoTheCaretIsInTheLastFullRow) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 0, 0);
    // Data rows 0..16 are fully visible under the header.
    EXPECT_FALSE(geometry.topRowShowing(16 * 16, 16 * 16).has_value());
    EXPECT_EQ(geometry.topRowShowing(17 * 16, 17 * 16), 1u);
    EXPECT_EQ(geometry.topRowShowing(40 * 16 + 3, 40 * 16 + 3), 40u - 16u);
}

TEST(HexGeometry, ScrollsUpToTheFirstByte) {
    const HexLayout layout = frameLayout(1000);
    const HexGeometry geometry(layout, 20, 0);
    EXPECT_EQ(geometry.topRowShowing(5 * 16 + 2, 5 * 16 + 2), 5u);
    EXPECT_FALSE(geometry.topRowShowing(20 * 16, 20 * 16).has_value());
}

TEST(HexGeometry, RangeLargerThanTheViewShowsItsStart) {
    const HexLayout layout = frameLayout(1000);
    EXPECT_EQ(HexGeometry(layout, 0, 0).topRowShowing(30 * 16, 60 * 16), 30u);
    // Covering the whole view already: no scrolling.
    EXPECT_FALSE(HexGeometry(layout, 10, 0).topRowShowing(0, 999).has_value());
}

TEST(HexGeometry, HorizontalScrollBringsPairsIntoView) {
    HexLayoutInput in;
    in.windowRect = QRect(0, 0, 200, 300);
    in.charWidth = 8;
    in.rowHeight = 16;
    in.length = 1000;
    const HexLayout layout = calculateHexLayout(in);  // client 5..195
    // Byte 15's pair ends at 5 + (45 + 2) * 8 = 381: scrolled so it ends at 195.
    EXPECT_EQ(HexGeometry(layout, 0, 0).hScrollShowing(15, 15), 381u - 195u);
    EXPECT_EQ(HexGeometry(layout, 0, 186).hScrollShowing(0, 0), 0u);
    EXPECT_FALSE(HexGeometry(layout, 0, 0).hScrollShowing(1, 1).has_value());
}

}  // namespace
}  // namespace veldrix
