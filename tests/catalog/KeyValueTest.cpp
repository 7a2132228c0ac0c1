#include "catalog/KeyValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldrix {
namespace {

TEST(KeyValue, NumbersInEveryFormOfTheConfigurationFiles) {
    for (const char kind : {'D', 'd', 'H', 'h'}) {
        EXPECT_EQ(parseKeyValue(kind, "31"), 31u);
        EXPECT_EQ(parseKeyValue(kind, "0x1F"), 31u);
        EXPECT_EQ(parseKeyValue(kind, "1Fh"), 31u);
        EXPECT_EQ(parseKeyValue(kind, "$1F"), 31u);
        EXPECT_EQ(parseKeyValue(kind, "4294967295"), 0xFFFFFFFFu);
        EXPECT_EQ(parseKeyValue(kind, "-1"), 0xFFFFFFFFu);
    }
}

TEST(KeyValue, AnythingButOneWholeConstantIsRefused) {
    for (const char* text :
         {"", "abc", "4294967296", "0x100000000", "12 3", "5;", "32K", "0x", "-", "0b1"}) {
        EXPECT_EQ(parseKeyValue('D', text), std::nullopt) << text;
    }
}

TEST(KeyValue, BinaryKeysTakeAtMost32BinaryDigits) {
    EXPECT_EQ(parseKeyValue('B', "101"), 5u);
    EXPECT_EQ(parseKeyValue('b', "0"), 0u);
    EXPECT_EQ(parseKeyValue('B', std::string(32, '1')), 0xFFFFFFFFu);
    const std::vector<std::string> refused = {"",    "2",  "102", "101B",
                                              "0x1", "-1", " 1",  std::string(33, '1')};
    for (const std::string& text : refused) {
        EXPECT_EQ(parseKeyValue('B', text), std::nullopt) << text;
    }
    EXPECT_NE(keyValueForm('b').find("binary"), std::string::npos);
}

TEST(KeyValue, TextsInTheFormOfEachKind) {
    EXPECT_EQ(keyValueText('B', 5), "101");
    EXPECT_EQ(keyValueText('b', 0), "0");
    EXPECT_EQ(keyValueText('D', 0xFFFFFFFFu), "-1");
    EXPECT_EQ(keyValueText('h', 0xBEEF), "0xBEEF");
    EXPECT_EQ(keyValueText('Q', 5), "");
}

// What a dialog shows, the user can give back unchanged.
TEST(KeyValue, EveryShownValueReadsBackAsItself) {
    for (const char kind : {'B', 'd', 'H'}) {
        for (const std::uint32_t value : {0u, 1u, 5u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            EXPECT_EQ(parseKeyValue(kind, keyValueText(kind, value)), value)
                << kind << " " << value;
        }
    }
}

TEST(KeyValue, KindsWithoutATypedValueTakeNone) {
    EXPECT_EQ(parseKeyValue('X', "1"), std::nullopt);
    EXPECT_EQ(parseKeyValue('\0', "1"), std::nullopt);
}

}  // namespace
}  // namespace veldrix
