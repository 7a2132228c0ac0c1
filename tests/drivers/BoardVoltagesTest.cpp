#include "BoardVoltages.h"

#include <gtest/gtest.h>

#include <set>

namespace veldrix::board {
namespace {

template <std::size_t N>
void expectStrictlyAscending(const std::array<std::uint16_t, N>& table) {
    for (std::size_t i = 1; i < N; ++i) {
        EXPECT_LT(table[i - 1], table[i]) << "entry " << i;
    }
}

TEST(BoardVoltages, TablesAscendAndCodesAreDistinctFiveBitPatterns) {
    expectStrictlyAscending(kVccTenths);
    expectStrictlyAscending(kVppTenths);
    expectStrictlyAscending(kVidTenths);
    std::set<std::uint8_t> codes;
    for (std::uint8_t code : kVppCodes) {
        EXPECT_EQ(code & ~kVppCodeBits, 0) << std::hex << int(code);
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), kVppCodes.size());
}

TEST(BoardVoltages, ProgrammingVoltagesFollowTheBoardsSteps) {
    // 5.5 to 10.5 V by 1 V, 11 to 21 V by 0.5 V, 22 to 26 V by 1 V.
    std::size_t i = 0;
    for (std::uint16_t v = 55; v <= 105; v += 10)
        EXPECT_EQ(kVppTenths[i++], v);
    for (std::uint16_t v = 110; v <= 210; v += 5)
        EXPECT_EQ(kVppTenths[i++], v);
    for (std::uint16_t v = 220; v <= 260; v += 10)
        EXPECT_EQ(kVppTenths[i++], v);
    EXPECT_EQ(i, kVppTenths.size());
    // Whole volts from 11 V up count down from 0x0F; half volts below 21 V
    // and the low range carry bit 7.
    EXPECT_EQ(kVppCodes[6], 0x0F);   // 11.0 V
    EXPECT_EQ(kVppCodes[9], 0x88);   // 12.5 V
    EXPECT_EQ(kVppCodes[25], 0x80);  // 20.5 V
    EXPECT_EQ(kVppCodes[31], 0x00);  // 26.0 V
}

TEST(BoardVoltages, EveryVoltageByteDecodesToTheVoltagesComposedIntoIt) {
    for (std::size_t c = 0; c < kVccTenths.size(); ++c) {
        for (std::size_t p = 0; p < kVppTenths.size(); ++p) {
            for (std::size_t d = 0; d < kVidTenths.size(); ++d) {
                const std::uint8_t byte =
                    composeVoltageByte(kVccTenths[c], kVppTenths[p], kVidTenths[d]);
                const BoardVoltages volts = decodeVoltageByte(byte);
                EXPECT_EQ(volts.vcc, kVccTenths[c]);
                EXPECT_EQ(volts.vpp, kVppTenths[p]);
                EXPECT_EQ(volts.vid, kVidTenths[d]);
            }
        }
    }
}

TEST(BoardVoltages, ComposedBytesOfTheBoardsKnownSettings) {
    EXPECT_EQ(composeVoltageByte(0, 0, 0), 0xCF);  // the reset's voltage byte
    EXPECT_EQ(composeVoltageByte(50, 125, 120), 0xD8);
    EXPECT_EQ(composeVoltageByte(60, 260, 140), 0x30);
}

TEST(BoardVoltages, RequestsBetweenEntriesTakeTheLowerOne) {
    EXPECT_EQ(voltageIndex(kVppTenths, 129), 9u);  // 12.5 V
    EXPECT_EQ(voltageIndex(kVppTenths, 125), 9u);
    EXPECT_EQ(voltageIndex(kVccTenths, 59), 2u);
    EXPECT_EQ(voltageIndex(kVppTenths, 9999), 31u);  // above the last: the last
    EXPECT_EQ(voltageIndex(kVccTenths, 30), 0u);     // below the first: the first
    EXPECT_EQ(voltageIndex(kVidTenths, 0), 0u);
}

TEST(BoardVoltages, OnlyTheLowSixteenBitsOfARequestCount) {
    EXPECT_EQ(voltageIndex(kVccTenths, 0x10000 + 55), 2u);
    EXPECT_EQ(voltageIndex(kVccTenths, -1), 3u);  // 0xFFFF: above every entry
}

TEST(BoardVoltages, ExportedTablesCarryTheirCountFirst) {
    constexpr auto vpp = countedTable(kVppTenths);
    EXPECT_EQ(vpp[0], 32);
    EXPECT_EQ(vpp[1], 55);
    EXPECT_EQ(vpp[32], 260);
}

}  // namespace
}  // namespace veldrix::board
