#include <gtest/gtest.h>

#include "hexedit/HexLayout.h"

namespace veldrix {
namespace {

// Known metrics: characters 8 x 16 pixels, the frame's configuration.
HexLayoutInput frameInput(int width, int height, std::uint32_t length) {
    HexLayoutInput in;
    in.windowRect = QRect(0, 0, width, height);
    in.charWidth = 8;
    in.rowHeight = 16;
    in.multiLine = true;
    in.showAddress = true;
    in.showAscii = true;
    in.addressDigits = 6;
    in.bytesPerRow = 16;
    in.length = length;
    return in;
}

TEST(HexLayout, ColumnsFollowEachOtherWithTheirGaps) {
    const HexLayout layout = calculateHexLayout(frameInput(600, 300, 1000));
    EXPECT_EQ(layout.clientRect, QRect(5, 5, 590, 290));
    EXPECT_EQ(layout.addressX, 0);
    EXPECT_EQ(layout.addressWidth, 8 * 6 + 5);
    EXPECT_EQ(layout.hexX, 53);
    EXPECT_EQ(layout.hexWidth, (3 * 16 - 1) * 8 + 5);
    EXPECT_EQ(layout.asciiX, 53 + 381);
    EXPECT_EQ(layout.asciiWidth, 16 * 8);
    EXPECT_EQ(layout.totalWidth, 434 + 128);
    EXPECT_EQ(layout.rowWidth, 16u);
}

TEST(HexLayout, RowsCountAPartialLastRow) {
    // 290 pixels: 18 whole rows and 2 pixels of a 19th.
    const HexLayout partial = calculateHexLayout(frameInput(600, 300, 1000));
    EXPECT_EQ(partial.fullRows, 18);
    EXPECT_EQ(partial.rows, 19);
    EXPECT_EQ(partial.lastRowHeight, 2);

    const HexLayout exact = calculateHexLayout(frameInput(600, 16 * 18 + 10, 1000));
    EXPECT_EQ(exact.fullRows, 18);
    EXPECT_EQ(exact.rows, 18);
    EXPECT_EQ(exact.lastRowHeight, 16);
}

TEST(HexLayout, MaxTopRowLeavesTheLastDataRowInTheLastFullRow) {
    // 1000 bytes: 63 data rows plus the header; 18 full rows in view.
    const HexLayout layout = calculateHexLayout(frameInput(600, 300, 1000));
    EXPECT_EQ(layout.maxTopRow, 64u - 18u);
    // Everything fits: no scrolling.
    EXPECT_EQ(calculateHexLayout(frameInput(600, 300, 17 * 16)).maxTopRow, 0u);
    EXPECT_EQ(calculateHexLayout(frameInput(600, 300, 17 * 16 + 1)).maxTopRow, 1u);
}

TEST(HexLayout, HorizontalScrollCoversWhatIsWiderThanTheClient) {
    EXPECT_EQ(calculateHexLayout(frameInput(600, 300, 1000)).maxHScroll, 0u);
    // 400 wide: client 390, columns 562.
    EXPECT_EQ(calculateHexLayout(frameInput(400, 300, 1000)).maxHScroll, 562u - 390u);
}

TEST(HexLayout, AutomaticRowWidthWithAsciiColumn) {
    // Each byte takes 4 characters (32 px); a last byte counts from 24 px on.
    // w = client width - address width - 5.
    HexLayoutInput in = frameInput(0, 300, 1000);
    in.autoRowWidth = true;
    in.windowRect.setWidth(10 + 53 + 5 + 320 + 23);
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 10u);
    in.windowRect.setWidth(10 + 53 + 5 + 320 + 24);
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 11u);
}

TEST(HexLayout, AutomaticRowWidthWithoutAsciiColumn) {
    // Each byte takes 3 characters (24 px); a last byte counts from 16 px on.
    HexLayoutInput in = frameInput(0, 300, 1000);
    in.autoRowWidth = true;
    in.showAscii = false;
    in.windowRect.setWidth(10 + 53 + 240 + 15);
    const HexLayout below = calculateHexLayout(in);
    EXPECT_EQ(below.rowWidth, 10u);
    EXPECT_EQ(below.asciiX, 0);
    EXPECT_EQ(below.asciiWidth, 0);
    EXPECT_EQ(below.totalWidth, below.hexX + below.hexWidth);
    in.windowRect.setWidth(10 + 53 + 240 + 16);
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 11u);
}

TEST(HexLayout, AutomaticRowWidthNeverDropsBelowOne) {
    HexLayoutInput in = frameInput(30, 300, 1000);
    in.autoRowWidth = true;
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 1u);
    in.windowRect.setWidth(10 + 53 + 5 + 5);  // w = 5: no whole byte
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 1u);
}

TEST(HexLayout, SingleLineShowsAllBytesInOneRowWithoutMargin) {
    HexLayoutInput in = frameInput(600, 40, 20);
    in.multiLine = false;
    in.autoRowWidth = true;
    const HexLayout layout = calculateHexLayout(in);
    EXPECT_EQ(layout.clientRect, QRect(0, 0, 600, 40));
    EXPECT_EQ(layout.rowWidth, 20u);
    // Long data is capped so a row fits the fixed row buffers.
    in.length = 100000;
    EXPECT_EQ(calculateHexLayout(in).rowWidth, kMaxRowWidth);
    in.length = 0;
    EXPECT_EQ(calculateHexLayout(in).rowWidth, 1u);
}

TEST(HexLayout, TinyWindowHasNoRowsAndNoNegativeSizes) {
    const HexLayout layout = calculateHexLayout(frameInput(6, 6, 1000));
    EXPECT_EQ(layout.clientRect.width(), 0);
    EXPECT_EQ(layout.clientRect.height(), 0);
    EXPECT_EQ(layout.fullRows, 0);
    EXPECT_EQ(layout.rows, 0);
}

}  // namespace
}  // namespace veldrix
