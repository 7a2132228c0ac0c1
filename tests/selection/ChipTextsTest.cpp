#include <gtest/gtest.h>

#include "catalog/ChipTexts.h"

namespace veldrix {
namespace {

TEST(ChipTexts, InformationBoxShowsWordsWidthAndWholeVolts) {
    ChipDescription chip;
    chip.name.assign("AT28C256");
    chip.mfr.assign("Atmel");
    chip.size = 65536;
    chip.width = 16;
    chip.vcc = 33;
    chip.vpp = 125;
    chip.vid = 120;
    EXPECT_EQ(chipInfoLines(chip),
              (std::vector<std::string>{"Chip name:\tAT28C256", "Manufacture:\tAtmel",
                                        "Size:\t\t00008000H x16 ", "Vcc:\t\t3v", "Vpp:\t\t12v",
                                        "Vid:\t\t12v"}));
}

TEST(ChipTexts, SizePaneUsesKiloWordsFromOneK) {
    EXPECT_EQ(sizePaneText(65536, 16), "size: 32Kx16");
    EXPECT_EQ(sizePaneText(512, 8), "size: 512 x8");
    EXPECT_EQ(sizePaneText(1023, 8), "size: 1023 x8");
    EXPECT_EQ(sizePaneText(1024, 8), "size: 1Kx8");
    // Kilowords are whole: a part of a K is dropped.
    EXPECT_EQ(sizePaneText(1536, 8), "size: 1Kx8");
    EXPECT_EQ(sizePaneText(0, 8), "size: 0 x8");
    // Odd widths take whole bytes per word.
    EXPECT_EQ(sizePaneText(4096, 12), "size: 2Kx12");
}

TEST(ChipTexts, WidthZeroCountsOneWordPerByteInsteadOfDividingByZero) {
    EXPECT_EQ(chipWordCount(2048, 0), 2048u);
    EXPECT_EQ(sizePaneText(2048, 0), "size: 2Kx0");
    ChipDescription chip;
    chip.size = 256;
    chip.width = 0;
    EXPECT_EQ(chipInfoLines(chip)[2], "Size:\t\t00000100H x0 ");
}

// A 3.3 V part must not read as 3.5 V.
TEST(ChipTexts, VoltagePanesShowTheTenthsExactly) {
    EXPECT_EQ(voltagePaneText("Vcc", 50), "Vcc:5.0");
    EXPECT_EQ(voltagePaneText("Vpp", 125), "Vpp:12.5");
    EXPECT_EQ(voltagePaneText("Vcc", 33), "Vcc:3.3");
    EXPECT_EQ(voltagePaneText("Vid", 0), "Vid:0.0");
    EXPECT_EQ(voltagePaneText("Vpp", 211), "Vpp:21.1");
    EXPECT_EQ(voltagePaneText("Vpp", 65535), "Vpp:6553.5");
}

}  // namespace
}  // namespace veldrix
