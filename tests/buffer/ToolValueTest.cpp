#include "buffer/ToolValue.h"

#include <gtest/gtest.h>

namespace veldrix {
namespace {

TEST(ToolValue, UnsignedDecimalFrom0To255Only) {
    EXPECT_EQ(parseToolValue("0"), 0u);
    EXPECT_EQ(parseToolValue("255"), 255u);
    EXPECT_EQ(parseToolValue("007"), 7u);
    EXPECT_EQ(parseToolValue(" 42\t"), 42u);
    for (const char* text :
         {"256", "FF", "0xFF", "", "  ", "-1", "+1", "1 2", "25a", "99999999999"}) {
        EXPECT_EQ(parseToolValue(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace veldrix
