#include "buffer/ByteSearch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "buffer/SearchPattern.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SearchPattern, HexBytesInPairsWithOrWithoutBlanks) {
    const Bytes deadBeef = {0xDE, 0xAD, 0xBE, 0xEF};
    for (const char* text : {"DE AD BE EF", "deadbeef", "  DEAD\tbe EF  ", "De aD bEeF"}) {
        const SearchPattern pattern = parseSearchPattern(text, PatternKind::HexBytes);
        EXPECT_FALSE(pattern.error) << text;
        EXPECT_EQ(pattern.bytes, deadBeef) << text;
    }
    EXPECT_EQ(parseSearchPattern("00", PatternKind::HexBytes).bytes, Bytes{0});
}

TEST(SearchPattern, ErrorsNameThePlace) {
    struct Case {
        const char* text;
        PatternError error;
        const char* message;
    };
    for (const Case& c : {
             Case{"", {PatternFault::Empty, 0}, "Nothing to search for"},
             Case{" \t ", {PatternFault::Empty, 0}, "Nothing to search for"},
             Case{"DE AG", {PatternFault::NotAHexDigit, 4}, "Not a hex digit at position 5"},
             Case{"0xDE", {PatternFault::NotAHexDigit, 1}, "Not a hex digit at position 2"},
             Case{"DE,AD", {PatternFault::NotAHexDigit, 2}, "Not a hex digit at position 3"},
             Case{
                 "DE A BE", {PatternFault::OddDigits, 3}, "Odd number of hex digits at position 4"},
             Case{"DEA", {PatternFault::OddDigits, 0}, "Odd number of hex digits at position 1"},
         }) {
        SCOPED_TRACE(c.text);
        const SearchPattern pattern = parseSearchPattern(c.text, PatternKind::HexBytes);
        EXPECT_TRUE(pattern.bytes.empty());
        ASSERT_TRUE(pattern.error);
        EXPECT_EQ(*pattern.error, c.error);
        EXPECT_EQ(patternErrorText(*pattern.error), c.message);
    }
}

TEST(SearchPattern, TextIsTakenByteForByte) {
    EXPECT_EQ(parseSearchPattern("DE AD", PatternKind::Text).bytes,
              (Bytes{'D', 'E', ' ', 'A', 'D'}));
    EXPECT_EQ(parseSearchPattern("\xC3\xA9", PatternKind::Text).bytes, (Bytes{0xC3, 0xA9}));
    EXPECT_EQ(parseSearchPattern("", PatternKind::Text).error,
              (PatternError{PatternFault::Empty, 0}));
}

std::optional<SearchHit> find(const std::string& data, const std::string& pattern, std::size_t from,
                              SearchDirection direction) {
    const Bytes bytes(data.begin(), data.end());
    const Bytes wanted(pattern.begin(), pattern.end());
    return findPattern(bytes, wanted, from, direction);
}

constexpr auto kForward = SearchDirection::Forward;
constexpr auto kBackward = SearchDirection::Backward;

TEST(ByteSearch, ForwardFindsTheFirstMatchFromThePositionOnThenWraps) {
    //                       0123456789
    const std::string data = "xabxxabxab";
    EXPECT_EQ(find(data, "ab", 0, kForward), (SearchHit{1, false}));
    EXPECT_EQ(find(data, "ab", 1, kForward), (SearchHit{1, false}));
    EXPECT_EQ(find(data, "ab", 2, kForward), (SearchHit{5, false}));
    EXPECT_EQ(find(data, "ab", 8, kForward), (SearchHit{8, false}));
    EXPECT_EQ(find(data, "ab", 9, kForward), (SearchHit{1, true}));
    EXPECT_EQ(find(data, "ab", 10, kForward), (SearchHit{1, true}));
    EXPECT_EQ(find(data, "ab", 1000, kForward), (SearchHit{1, true}));
}

TEST(ByteSearch, BackwardFindsTheLastMatchStartingBeforeThePositionThenWraps) {
    const std::string data = "xabxxabxab";
    EXPECT_EQ(find(data, "ab", 10, kBackward), (SearchHit{8, false}));
    EXPECT_EQ(find(data, "ab", 8, kBackward), (SearchHit{5, false}));
    EXPECT_EQ(find(data, "ab", 6, kBackward), (SearchHit{5, false}));
    EXPECT_EQ(find(data, "ab", 5, kBackward), (SearchHit{1, false}));
    EXPECT_EQ(find(data, "ab", 1, kBackward), (SearchHit{8, true}));
    EXPECT_EQ(find(data, "ab", 0, kBackward), (SearchHit{8, true}));
}

TEST(ByteSearch, AMatchMayOverlapTheWrapPointOnlyFromItsOwnSide) {
    // "aa" at 3 starts before position 4 though it ends after it.
    EXPECT_EQ(find("bbbaab", "aa", 4, kBackward), (SearchHit{3, false}));
    EXPECT_EQ(find("bbbaab", "aa", 4, kForward), (SearchHit{3, true}));
    // Overlapping matches are each found.
    EXPECT_EQ(find("aaaa", "aa", 1, kForward), (SearchHit{1, false}));
    EXPECT_EQ(find("aaaa", "aa", 3, kBackward), (SearchHit{2, false}));
}

TEST(ByteSearch, NoMatchAtAll) {
    EXPECT_FALSE(find("abcabc", "cab!", 0, kForward));
    EXPECT_FALSE(find("abcabc", "cab!", 6, kBackward));
    EXPECT_FALSE(find("ab", "abc", 0, kForward));
    EXPECT_FALSE(find("", "a", 0, kBackward));
    EXPECT_FALSE(find("abc", "", 0, kForward));
    EXPECT_EQ(find("abc", "abc", 0, kForward), (SearchHit{0, false}));
    EXPECT_EQ(find("abc", "abc", 0, kBackward), (SearchHit{0, true}));
}

TEST(ByteSearch, LongPatternsInLargeDataFindTheirPlace) {
    Bytes data(1 << 20, 0x00);
    Bytes pattern(300, 0x00);
    pattern.front() = 0x01;  // every window of the data nearly matches
    std::copy(pattern.begin(), pattern.end(), data.end() - 400);
    const std::size_t at = data.size() - 400;
    EXPECT_EQ(findPattern(data, pattern, 0, kForward), (SearchHit{at, false}));
    EXPECT_EQ(findPattern(data, pattern, at, kBackward), (SearchHit{at, true}));
    EXPECT_EQ(findPattern(data, pattern, at + 1, kBackward), (SearchHit{at, false}));
}

}  // namespace
}  // namespace veldrix::test
