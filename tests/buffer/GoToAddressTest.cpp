#include "buffer/GoToAddress.h"

#include <gtest/gtest.h>

#include <string>

#include "catalog/WholeNumber.h"

namespace veldrix::test {
namespace {

TEST(GoToAddress, TakesTheProgramsNumberForms) {
    for (const char* text :
         {"31", "0x1F", "0X1f", "1Fh", "1fH", "$1F", "  31\t", "37o", "11111b"}) {
        const GoToResult result = parseGoToAddress(text, 0, 0x100);
        EXPECT_FALSE(result.fault) << text << ": " << result.message;
        EXPECT_EQ(result.index, 31u) << text;
    }
}

TEST(GoToAddress, TheIndexCountsFromTheFirstShownAddress) {
    // A second area shown from address 0x8000 on.
    EXPECT_EQ(parseGoToAddress("0x8010", 0x8000, 0x100).index, 0x10u);
    EXPECT_EQ(parseGoToAddress("0x80FF", 0x8000, 0x100).index, 0xFFu);
}

TEST(GoToAddress, AddressesOutsideTheDataAreRefused) {
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {
             Case{"0x7FFF", "Address 7FFF is outside the data (8000 to 80FF)"},
             Case{"0x8100", "Address 8100 is outside the data (8000 to 80FF)"},
             Case{"FFFFFFFFh", "Address FFFFFFFF is outside the data (8000 to 80FF)"},
         }) {
        const GoToResult result = parseGoToAddress(c.text, 0x8000, 0x100);
        EXPECT_EQ(result.fault, GoToFault::OutsideData) << c.text;
        EXPECT_EQ(result.message, c.message);
    }
    const GoToResult none = parseGoToAddress("0", 0, 0);
    EXPECT_EQ(none.fault, GoToFault::OutsideData);
    EXPECT_EQ(none.message, "Address 0 is outside the data: none is shown");
}

TEST(GoToAddress, AnythingButOneWholeNumberIsRefused) {
    for (const char* text : {"", "  ", "1F", "0x", "$", "12k", "1 2", "12 h", "0x1G", "-1", "- 5",
                             "4294967296", "0x100000000", "1,5"}) {
        const GoToResult result = parseGoToAddress(text, 0, 0x100);
        EXPECT_EQ(result.fault, GoToFault::NotANumber) << text;
    }
    EXPECT_EQ(parseGoToAddress(" xyz ", 0, 0x100).message, "Not an address: xyz");
}

TEST(WholeNumber, AcceptsOnlyOneConstantThatFitsIn32Bits) {
    EXPECT_EQ(parseWholeNumber("FFFFFFFFh"), 0xFFFFFFFFu);
    EXPECT_EQ(parseWholeNumber(" 12"), 12u);
    EXPECT_EQ(parseWholeNumber("-1"), 0xFFFFFFFFu);  // as option edits take it
    EXPECT_EQ(parseWholeNumber("12 "), std::nullopt);
    EXPECT_EQ(parseWholeNumber(std::string("12\0"
                                           "3",
                                           4)),
              std::nullopt);
    EXPECT_EQ(parseWholeNumber("100000000h"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("32K"), std::nullopt);
}

}  // namespace
}  // namespace veldrix::test
