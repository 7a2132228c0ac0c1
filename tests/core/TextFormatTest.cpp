#include "core/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace veldrix {
namespace {

TEST(TextFormat, KeepsWhatFitsTheBufferLessItsTerminator) {
    EXPECT_EQ(formatLimited(kStatusTextCapacity, "%s", std::string(150, 'x').c_str()).size(), 99u);
    EXPECT_EQ(formatLimited(8, "Read error: %X", 0x1Fu), "Read er");
    EXPECT_EQ(formatLimited(8, "ID: %X", 0x12u), "ID: 12");
    EXPECT_EQ(formatLimited(8, nullptr), "");
}

TEST(TextFormat, NeverSplitsAUtf8Character) {
    // "Отмена" is six two-byte characters: 7 bytes hold three of them.
    EXPECT_EQ(formatLimited(8, "%s", "Отмена"), "Отм");
    EXPECT_EQ(formatLimited(7, "%s", "Отмена"), "Отм");
    std::string text = "a€b";  // the euro sign takes three bytes
    cutToFit(text, 3);
    EXPECT_EQ(text, "a");
    text = "a€b";
    cutToFit(text, 4);
    EXPECT_EQ(text, "a€");
}

}  // namespace
}  // namespace veldrix
