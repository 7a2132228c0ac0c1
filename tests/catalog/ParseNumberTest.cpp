#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "catalog/ParseNumber.h"

namespace veldrix {
namespace {

struct Parsed {
    std::uint32_t value;
    bool error;
    std::ptrdiff_t endOffset;
    std::vector<std::string> messages;
};

Parsed parse(const std::string& text) {
    Parsed result{};
    const char* end = nullptr;
    result.error = true;  // must be cleared by a good constant
    result.value = ParseNumber(text.c_str(), &end, &result.error,
                               [&](const std::string& m) { result.messages.push_back(m); });
    result.endOffset = end - text.c_str();
    return result;
}

struct Case {
    const char* text;
    std::uint32_t value;
    bool error;
    std::ptrdiff_t endOffset;
};

void expectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        const Parsed p = parse(c.text);
        EXPECT_EQ(p.value, c.value);
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(p.endOffset, c.endOffset);
        EXPECT_TRUE(p.messages.empty());
    }
}

TEST(ParseNumber, BasesByPrefixAndSuffix) {
    expectCases({
        {"0", 0, false, 1},
        {"1234", 1234, false, 4},
        {"0x8000", 0x8000, false, 6},
        {"0X1f", 31, false, 4},
        {"$8000", 0x8000, false, 5},
        {"8000h", 0x8000, false, 5},
        {"FFH", 255, false, 3},
        {"1e5h", 0x1E5, false, 4},
        {"17o", 15, false, 3},
        {"17O", 15, false, 3},
        {"777q", 511, false, 4},
        {"17Q", 15, false, 3},
        {"101b", 5, false, 4},
        {"101B", 5, false, 4},
        // The last letter picks the base even where it reads like a prefix.
        {"0b", 0, false, 2},
        {"1B", 1, false, 2},
        {"0h", 0, false, 2},
    });
}

TEST(ParseNumber, EndsAtScaleAndWidthLettersAndOtherCharacters) {
    expectCases({
        {"32K", 32, false, 2},
        {"32k", 32, false, 2},
        {"1M", 1, false, 1},
        {"1m", 1, false, 1},
        {"8192x16", 8192, false, 4},
        {"16Kx16", 16, false, 2},
        {"0x10K", 16, false, 4},
        {"12 34", 12, false, 2},
        {"10.5", 10, false, 2},
        {"7,8", 7, false, 1},
        {"12\xB0", 12, false, 2},
        {" \t\r\n42;", 42, false, 6},
    });
}

TEST(ParseNumber, MinusNegatesInTwosComplement) {
    expectCases({
        {"-1", 0xFFFFFFFFu, false, 2},
        {"-0x10", 0xFFFFFFF0u, false, 5},
        {"  -$10", 0xFFFFFFF0u, false, 6},
        {"-10b", 0xFFFFFFFEu, false, 4},
        {"-0", 0, false, 2},
    });
}

TEST(ParseNumber, MalformedConstantsGiveZeroAndTheErrorFlag) {
    expectCases({
        {"", 0, true, 0},
        {"   ", 0, true, 3},
        {"-", 0, true, 1},
        {"--5", 0, true, 1},
        {"- 5", 0, true, 1},
        {"+5", 0, true, 0},
        {"0x", 0, true, 2},
        {"0xK", 0, true, 2},
        {"$", 0, true, 1},
        {"$$1", 0, true, 3},
        {"h", 0, true, 1},
        {"b", 0, true, 1},
        {"K", 0, true, 0},
        {"12a", 0, true, 3},
        {"12$", 0, true, 3},
        {"12b", 0, true, 3},
        {"19o", 0, true, 3},
        {"1Gh", 0, true, 3},
        // After a prefix the last letter is a digit like any other.
        {"0x1Bh", 0, true, 5},
    });
}

TEST(ParseNumber, EveryFormReadsTheSameValue) {
    const std::uint32_t values[] = {0, 1, 7, 8, 255, 256, 0x7FFF, 0x8000, 123456789, 0xFFFFFFFFu};
    for (const std::uint32_t v : values) {
        std::string binary;
        for (std::uint32_t rest = v; rest != 0; rest >>= 1) {
            binary.insert(binary.begin(), static_cast<char>('0' + (rest & 1)));
        }
        char buffer[64];
        std::vector<std::string> forms = {(binary.empty() ? "0" : binary) + "b"};
        std::snprintf(buffer, sizeof buffer, "%u", v);
        forms.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "0x%X", v);
        forms.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "$%x", v);
        forms.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "0%Xh", v);
        forms.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "%oq", v);
        forms.emplace_back(buffer);
        for (const std::string& form : forms) {
            SCOPED_TRACE(form);
            const Parsed p = parse(form);
            EXPECT_EQ(p.value, v);
            EXPECT_FALSE(p.error);
            EXPECT_EQ(p.endOffset, static_cast<std::ptrdiff_t>(form.size()));
        }
    }
}

TEST(ParseNumber, TooLargeKeepsTheLowBitsAndReportsTheWholeText) {
    Parsed p = parse("4294967295");
    EXPECT_EQ(p.value, 0xFFFFFFFFu);
    EXPECT_TRUE(p.messages.empty());

    p = parse(" 4294967296,");
    EXPECT_EQ(p.value, 0u);
    EXPECT_FALSE(p.error);
    EXPECT_EQ(p.endOffset, 11);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], "numeric constant  4294967296, does not fit in 32 bits");

    p = parse("123456789ABh");
    EXPECT_EQ(p.value, 0x456789ABu);
    EXPECT_EQ(p.messages.size(), 1u);

    p = parse("-4294967297");
    EXPECT_EQ(p.value, 0xFFFFFFFFu);
    EXPECT_EQ(p.messages.size(), 1u);
}

TEST(ParseNumber, VeryLongDigitStringsAccumulateWithoutHarm) {
    const std::string text = std::string(5000, 'F') + "h";
    const Parsed p = parse(text);
    EXPECT_EQ(p.value, 0xFFFFFFFFu);
    EXPECT_FALSE(p.error);
    EXPECT_EQ(p.endOffset, 5001);
    EXPECT_EQ(p.messages.size(), 1u);
}

TEST(ParseNumber, MalformedTooLargeConstantIsOnlyMalformed) {
    const Parsed p = parse("99999999999999a");
    EXPECT_EQ(p.value, 0u);
    EXPECT_TRUE(p.error);
    EXPECT_TRUE(p.messages.empty());
}

TEST(ParseNumber, OptionalOutputsMayBeLeftOut) {
    EXPECT_EQ(ParseNumber("0x20"), 32u);
    EXPECT_EQ(ParseNumber("4294967296"), 0u);  // no sink: nothing to report to
    bool error = false;
    EXPECT_EQ(ParseNumber(nullptr, nullptr, &error), 0u);
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace veldrix
