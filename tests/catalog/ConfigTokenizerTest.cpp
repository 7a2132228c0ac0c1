#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalog/ConfigTokenizer.h"

namespace veldrix {
namespace {

using Mode = ConfigTokenizer::Mode;
using namespace std::string_literals;

// Reads tokens in the given modes; "<end>" stands for the end of input.
std::vector<std::string> tokens(std::string_view text, const std::vector<Mode>& modes) {
    ConfigTokenizer tokenizer(text);
    std::vector<std::string> read;
    for (const Mode mode : modes) {
        const bool got = tokenizer.NextToken(mode);
        read.push_back(got ? std::string(tokenizer.token()) : "<end>");
        if (!got) {
            EXPECT_TRUE(tokenizer.token().empty());
            EXPECT_EQ(tokenizer.tokenText()[0], '\0');
        }
    }
    return read;
}

const std::vector<Mode> kKeyValue = {Mode::Word, Mode::Word, Mode::RestOfLine, Mode::Word};

TEST(ConfigTokenizer, KeyEqualsValueWithCrLf) {
    EXPECT_EQ(tokens("chip=27C256\r\n", kKeyValue),
              (std::vector<std::string>{"chip", "=", "27C256", "<end>"}));
    EXPECT_EQ(tokens("vcc =  50 ; five volts\r\n", kKeyValue),
              (std::vector<std::string>{"vcc ", "=", "50 ; five volts", "<end>"}));
}

TEST(ConfigTokenizer, KeyRunsUpToTheEqualsSignAcrossLineEnds) {
    EXPECT_EQ(tokens("vcc\r\nvpp=12\r\n", kKeyValue),
              (std::vector<std::string>{"vcc\r\nvpp", "=", "12", "<end>"}));
    EXPECT_EQ(tokens("a;b=1\r\n", kKeyValue), (std::vector<std::string>{"a;b", "=", "1", "<end>"}));
    EXPECT_EQ(tokens("no equals sign\r\n", {Mode::Word, Mode::Word}),
              (std::vector<std::string>{"no equals sign\r\n", "<end>"}));
    EXPECT_EQ(tokens("==x", {Mode::Word, Mode::Word, Mode::Word}),
              (std::vector<std::string>{"=", "=", "x"}));
}

TEST(ConfigTokenizer, ValueEndsAtItsLineEndWhateverItIs) {
    const std::vector<Mode> twoValues = {Mode::Word, Mode::Word,       Mode::RestOfLine, Mode::Word,
                                         Mode::Word, Mode::RestOfLine, Mode::Word};
    const std::vector<std::string> expected = {"vcc", "=", "50", "vpp", "=", "125", "<end>"};
    EXPECT_EQ(tokens("vcc=50\r\nvpp=125\r\n", twoValues), expected);
    EXPECT_EQ(tokens("vcc=50\nvpp=125\n", twoValues), expected);
    EXPECT_EQ(tokens("vcc=50\nvpp=125", twoValues), expected);
    EXPECT_EQ(tokens("vcc=50\r\nvpp=125\r", twoValues), expected);
    // Only one CR belongs to the line end; a value keeps bytes it ends in.
    EXPECT_EQ(tokens("v=7\r\r\n", kKeyValue), (std::vector<std::string>{"v", "=", "7\r", "<end>"}));
    EXPECT_EQ(tokens("v=7 \n", kKeyValue), (std::vector<std::string>{"v", "=", "7 ", "<end>"}));
}

TEST(ConfigTokenizer, EmptyValueTakesTheNextLine) {
    EXPECT_EQ(tokens("mfr=\r\nsize=32K\r\n", kKeyValue),
              (std::vector<std::string>{"mfr", "=", "size=32K", "<end>"}));
}

TEST(ConfigTokenizer, SkipsControlAndHighBytesOnlyWhereATokenBegins) {
    EXPECT_EQ(tokens("\xEF\xBB\xBF\x01\x7F\tchip=A\xB0"
                     "B\r\n",
                     kKeyValue),
              (std::vector<std::string>{"\x7F\tchip", "=",
                                        "A\xB0"
                                        "B",
                                        "<end>"}));
    EXPECT_EQ(tokens("=\xFF  \x90value\r\n", {Mode::Word, Mode::RestOfLine}),
              (std::vector<std::string>{"=", "value"}));
}

TEST(ConfigTokenizer, CommentsOnlyWhereAWordBegins) {
    EXPECT_EQ(tokens("; first\r\n  ;second\r\nchip=A\r\n", kKeyValue),
              (std::vector<std::string>{"chip", "=", "A", "<end>"}));
    EXPECT_EQ(tokens("mfr=\r\n; not a comment here\r\n", kKeyValue),
              (std::vector<std::string>{"mfr", "=", "; not a comment here", "<end>"}));
    EXPECT_EQ(tokens("; only a comment", {Mode::Word, Mode::Word}),
              (std::vector<std::string>{"<end>", "<end>"}));
}

TEST(ConfigTokenizer, NulByteEndsTheInput) {
    EXPECT_EQ(tokens("chip\0=A\r\n"s, {Mode::Word, Mode::Word}),
              (std::vector<std::string>{"chip", "<end>"}));
    EXPECT_EQ(tokens("v=12\0"
                     "34\r\n"s,
                     {Mode::Word, Mode::Word, Mode::RestOfLine, Mode::Word}),
              (std::vector<std::string>{"v", "=", "12", "<end>"}));
    EXPECT_EQ(tokens("\0chip=A"s, {Mode::Word}), (std::vector<std::string>{"<end>"}));
}

TEST(ConfigTokenizer, EmptyInputEndsAtOnce) {
    EXPECT_EQ(tokens("", {Mode::Word, Mode::RestOfLine}),
              (std::vector<std::string>{"<end>", "<end>"}));
    EXPECT_EQ(tokens(std::string_view(), {Mode::Word}), (std::vector<std::string>{"<end>"}));
    EXPECT_EQ(tokens(" \r\n\t\r\n", {Mode::RestOfLine}), (std::vector<std::string>{"<end>"}));
}

TEST(ConfigTokenizer, LongTokensAreCutAndTheScanGoesOnPastThem) {
    const std::string key(3000, 'k');
    const std::string value(2000, 'v');
    const auto read = tokens(key + "=" + value + "!\r\nnext=1\r\n",
                             {Mode::Word, Mode::Word, Mode::RestOfLine, Mode::Word});
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0], std::string(ConfigTokenizer::kTokenCapacity - 1, 'k'));
    EXPECT_EQ(read[1], "=");
    EXPECT_EQ(read[2], std::string(ConfigTokenizer::kTokenCapacity - 1, 'v'));
    EXPECT_EQ(read[3], "next");
}

TEST(ConfigTokenizer, TokenTextIsNulTerminated) {
    ConfigTokenizer tokenizer("abc=def\r\n");
    ASSERT_TRUE(tokenizer.NextToken(Mode::Word));
    EXPECT_STREQ(tokenizer.tokenText(), "abc");
    ASSERT_TRUE(tokenizer.NextToken(Mode::Word));
    ASSERT_TRUE(tokenizer.NextToken(Mode::RestOfLine));
    EXPECT_STREQ(tokenizer.tokenText(), "def");
}

}  // namespace
}  // namespace veldrix
