#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MessageBoxModel.h"
#include "dlldata.h"

namespace veldrix {
namespace {

std::vector<std::uint32_t> buttonsOf(std::uint32_t style) {
    const auto set = messageBoxButtons(style);
    return {set.begin(), set.end()};
}

TEST(MessageBoxModel, ButtonSetsByTheLowFourBitsOfTheStyle) {
    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(buttonsOf(0), (V{DD_IDOK}));
    EXPECT_EQ(buttonsOf(1), (V{DD_IDOK, DD_IDCANCEL}));
    EXPECT_EQ(buttonsOf(2), (V{DD_IDABORT, DD_IDRETRY, DD_IDIGNORE}));
    EXPECT_EQ(buttonsOf(3), (V{6u, 7u, 2u}));
    EXPECT_EQ(buttonsOf(4), (V{DD_IDYES, DD_IDNO}));
    EXPECT_EQ(buttonsOf(5), (V{DD_IDRETRY, DD_IDCANCEL}));
    EXPECT_TRUE(buttonsOf(6).empty());
    EXPECT_TRUE(buttonsOf(15).empty());
    // The exclamation bits change nothing.
    EXPECT_EQ(buttonsOf(DD_MB_ICONEXCLAMATION | DD_MB_YESNOCANCEL), buttonsOf(DD_MB_YESNOCANCEL));
    EXPECT_EQ(buttonsOf(DD_MB_ICONEXCLAMATION), buttonsOf(DD_MB_OK));
}

TEST(MessageBoxModel, EveryButtonHasACaptionInBothLanguages) {
    for (std::uint32_t id = DD_IDOK; id <= DD_IDNO; ++id) {
        EXPECT_FALSE(messageBoxButtonCaption(id, Language::English).empty()) << id;
        EXPECT_FALSE(messageBoxButtonCaption(id, Language::Russian).empty()) << id;
    }
    EXPECT_EQ(messageBoxButtonCaption(DD_IDCANCEL, Language::English), "Cancel");
    EXPECT_EQ(messageBoxButtonCaption(DD_IDCANCEL, Language::Russian), "Отмена");
    EXPECT_TRUE(messageBoxButtonCaption(0, Language::English).empty());
}

TEST(MessageBoxModel, OffersOnlyItsOwnButtons) {
    const MessageBoxModel box(DD_MB_OKCANCEL, "Are you sure?");
    EXPECT_TRUE(box.offers(DD_IDOK));
    EXPECT_TRUE(box.offers(DD_IDCANCEL));
    EXPECT_FALSE(box.offers(DD_IDYES));
}

TEST(MessageBoxModel, MeasuresLinesAndTheLongestLine) {
    const MessageBoxModel write(
        0x30, "Error Write 0105\r\nAddress:0000000C\r\n\r\nIC:         005A\r\nBUFFER:00AC");
    EXPECT_EQ(write.lines(), 5);
    EXPECT_EQ(write.longestLine(), 16);  // carriage returns take no room
}

TEST(MessageBoxModel, AnEmptyLineCountsAsALine) {
    // The module fault report: its blank second line needs its own row, or
    // the port line falls out of the box.
    const MessageBoxModel fault(0,
                                "DMAIN ERROR\n\ndlldata.funcode = 0x02\ndlldata.subfcode = "
                                "0x00\nport = 0x378");
    EXPECT_EQ(fault.lines(), 5);
    EXPECT_EQ(fault.longestLine(), 23);  // "dlldata.subfcode = 0x00"
    EXPECT_EQ(fault.layout().text.bottom, 5 + 10 * 5);
    EXPECT_EQ(MessageBoxModel(0, "a\n\n\nb").lines(), 4);
    // A line feed that starts the text follows no character.
    EXPECT_EQ(MessageBoxModel(0, "\nabc").lines(), 1);
}

TEST(MessageBoxModel, ShortAndEmptyTextsKeepTheMinimumWidth) {
    const MessageBoxModel shortText(0, "3 Errors");
    EXPECT_EQ(shortText.lines(), 1);
    EXPECT_EQ(shortText.longestLine(), 15);
    const MessageBoxModel empty(0, "");
    EXPECT_EQ(empty.lines(), 0);
    EXPECT_EQ(empty.longestLine(), 15);
}

TEST(MessageBoxModel, SingleLineCountsWholeButSeveralLinesOnlyTheirFirst256Characters) {
    const MessageBoxModel single(0, std::string(300, 'a'));
    EXPECT_EQ(single.lines(), 1);
    EXPECT_EQ(single.longestLine(), 300);

    // A line break beyond the measured part is not seen, nor is the length
    // of the part after 256 characters.
    const MessageBoxModel several(0, "ab\n" + std::string(400, 'c') + "\nd");
    EXPECT_EQ(several.lines(), 2);
    EXPECT_EQ(several.longestLine(), 253);
}

TEST(MessageBoxModel, TextIsCutTo511Characters) {
    const MessageBoxModel box(0, std::string(2000, 'q'));
    EXPECT_EQ(box.text().size(), 511u);
    EXPECT_EQ(box.longestLine(), 511);
}

TEST(MessageBoxModel, LayoutPlacesTextAndCentredButtons) {
    const MessageBoxLayout three = MessageBoxModel(DD_MB_YESNOCANCEL, "Save?").layout();
    EXPECT_EQ(three.text, (DialogRect{20, 5, 40 + 4 * 15, 15}));
    EXPECT_EQ(three.width, 140);
    ASSERT_EQ(three.buttons.size(), 3u);
    EXPECT_EQ(three.buttons[0].right - three.buttons[0].left, 40);
    EXPECT_EQ(three.buttons[0].bottom - three.buttons[0].top, 13);
    EXPECT_EQ(three.buttons[1].left - three.buttons[0].right, 5);
    // Centred: the same room left of the first and right of the last.
    EXPECT_EQ(three.buttons[0].left, three.width - three.buttons[2].right);
    EXPECT_GT(three.buttons[0].top, three.text.bottom);
    EXPECT_GE(three.height, three.buttons[0].bottom);

    const MessageBoxLayout wide = MessageBoxModel(DD_MB_OK, std::string(60, 'w')).layout();
    EXPECT_EQ(wide.text.right, 40 + 4 * 60);
    EXPECT_GT(wide.width, wide.text.right);
    ASSERT_EQ(wide.buttons.size(), 1u);

    EXPECT_TRUE(MessageBoxModel(7, "none").layout().buttons.empty());
}

}  // namespace
}  // namespace veldrix
