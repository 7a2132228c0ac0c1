#include <gtest/gtest.h>

#include <vector>

#include "hexedit/HexRowText.h"

namespace veldrix {
namespace {

TEST(HexRowText, AddressIsZeroPaddedToTheDigitCount) {
    AddressBuffer buffer;
    // 16 bytes per row, offset 0x10000: the row holding byte 0x20.
    EXPECT_EQ(formatAddress(0x10000 + 0x20, 6, buffer), "010020");
    EXPECT_EQ(formatAddress(0xABCDEF12, 8, buffer), "ABCDEF12");
    // Too few digits for the value: the value wins, as with printf.
    EXPECT_EQ(formatAddress(0x123456, 4, buffer), "123456");
    EXPECT_EQ(formatAddress(0, 0, buffer), "0");
    EXPECT_EQ(formatAddress(0x1F, 255, buffer).size(), 255u);
    EXPECT_EQ(formatAddress(0x1F, 255, buffer).substr(250), "0001F");
}

TEST(HexRowText, HexRowHasPairsSeparatedBySingleSpaces) {
    HexRowBuffer buffer;
    const std::vector<std::uint8_t> bytes{0x12, 0xAB, 0x00, 0xFF};
    EXPECT_EQ(formatHexRow(bytes, buffer), "12 AB 00 FF");
    EXPECT_EQ(formatHexRow(std::span(bytes.data(), 1), buffer), "12");
    EXPECT_EQ(formatHexRow({}, buffer), "");
}

TEST(HexRowText, HexRowNeverOverrunsItsBuffer) {
    HexRowBuffer buffer;
    const std::vector<std::uint8_t> many(1000, 0x5A);
    // 341 pairs fill 1022 characters; the rest is left out.
    EXPECT_EQ(formatHexRow(many, buffer).size(), 3u * 341u - 1u);
}

TEST(HexRowText, AsciiShowsOnlyPrintableCharacters) {
    AsciiRowBuffer buffer;
    const std::vector<std::uint8_t> bytes{0x41, 0x7F, 0x80, 0x20, 0x7E, 0x1F, 0x00, 0xFF};
    EXPECT_EQ(formatAsciiRow(bytes, buffer), "A.. ~...");
}

TEST(HexRowText, HeadersNumberTheColumns) {
    HexRowBuffer buffer;
    EXPECT_EQ(formatHexHeader(4, buffer), "00 01 02 03");
    EXPECT_EQ(formatHexHeader(300, buffer).substr(3 * 255, 5), "FF 00");
    EXPECT_EQ(asciiHeader(16), "0123456789ABCDEF");
    EXPECT_EQ(asciiHeader(20), "0123456789ABCDEF");
    EXPECT_EQ(asciiHeader(5), "01234");
}

}  // namespace
}  // namespace veldrix
