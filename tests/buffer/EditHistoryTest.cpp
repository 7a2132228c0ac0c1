#include "buffer/EditHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BufferFixture.h"
#include "buffer/BufferTools.h"

namespace veldrix::test {
namespace {

class EditHistoryTest : public BufferFixture {
protected:
    EditHistoryTest() { selectChip(256); }

    // One keystroke of the editor: digit `value` into the high or low half
    // of byte `offset`.
    void type(std::size_t offset, bool high, std::uint8_t value) {
        history.beforeEdit(offset, 1, high ? EditKind::FirstDigit : EditKind::SecondDigit);
        std::uint8_t& byte = buffer.data()[offset];
        byte = high ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                    : static_cast<std::uint8_t>((byte & 0xF0) | value);
        history.afterEdit();
    }

    std::vector<std::string> reports;
    EditHistory history{buffer, [this](const std::string& text) { reports.push_back(text); }};
};

TEST_F(EditHistoryTest, BothDigitsOfAByteAreOneStepAndTheNextByteAnother) {
    type(0, true, 0xA);
    type(0, false, 0x5);
    type(1, true, 0x3);
    type(1, false, 0xC);
    EXPECT_EQ(buffer.data()[0], 0xA5);
    EXPECT_EQ(buffer.data()[1], 0x3C);

    EXPECT_EQ(history.undo(), (ChangedRange{1, 1}));
    EXPECT_EQ(buffer.data()[1], 0xFF);
    EXPECT_EQ(buffer.data()[0], 0xA5);
    EXPECT_EQ(history.undo(), (ChangedRange{0, 1}));
    EXPECT_EQ(buffer.data()[0], 0xFF);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo(), (ChangedRange{0, 1}));
    EXPECT_EQ(buffer.data()[0], 0xA5);
}

TEST_F(EditHistoryTest, ALowDigitJoinsOnlyTheHighDigitOfItsOwnByteRightBeforeIt) {
    type(0, true, 0x1);   // 1F
    type(5, false, 0x2);  // caret moved away: F2 at 5 is a step of its own
    type(0, false, 0x3);  // and so is the low digit coming back to byte 0
    EXPECT_EQ(history.undo(), (ChangedRange{0, 1}));
    EXPECT_EQ(buffer.data()[0], 0x1F);
    EXPECT_EQ(history.undo(), (ChangedRange{5, 1}));
    EXPECT_EQ(history.undo(), (ChangedRange{0, 1}));
    EXPECT_EQ(buffer.data()[0], 0xFF);

    // A high digit that changed nothing opens no step for the low one to join.
    history.redo();
    history.redo();
    history.redo();
    type(7, true, 0xF);
    type(7, false, 0x0);
    EXPECT_EQ(history.undo(), (ChangedRange{7, 1}));
    EXPECT_EQ(buffer.data()[7], 0xFF);
    EXPECT_EQ(buffer.data()[0], 0x13);
}

TEST_F(EditHistoryTest, CommandsAreOneStepEachAndAnInnerChangeIsPartOfTheOuterOne) {
    EXPECT_TRUE(history.recordWhole([&] { return FillBuffer(buffer, 0x11); }));
    history.record(16, 4, [&] {
        history.recordWhole([&] { buffer.data()[16] = 0x22; });
        buffer.data()[19] = 0x33;
    });
    ASSERT_EQ(history.undo(), (ChangedRange{16, 4}));
    EXPECT_EQ(buffer.data()[16], 0x11);
    EXPECT_EQ(buffer.data()[19], 0x11);
    ASSERT_EQ(history.undo(), (ChangedRange{0, 256}));
    EXPECT_EQ(image(), std::string(256, '\xFF'));
    EXPECT_TRUE(reports.empty());
}

TEST_F(EditHistoryTest, ANewImageEndsTheHistory) {
    type(0, true, 0x0);
    history.recordWhole([&] { return FillBuffer(buffer, 0x11); });
    ASSERT_TRUE(history.canUndo());

    selectChip(256);  // another chip of the same size: its image is not the old one
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(image(), std::string(256, '\xFF'));

    // A change that itself makes a new image cannot be undone either.
    history.recordWhole([&] { selectChip(128); });
    EXPECT_FALSE(history.canUndo());
    type(3, true, 0x0);
    EXPECT_EQ(history.undo(), (ChangedRange{3, 1}));
}

TEST_F(EditHistoryTest, TheUserIsToldWhenStepsAreGivenUp) {
    EditHistory small(
        buffer, [this](const std::string& text) { reports.push_back(text); }, 300);
    small.recordWhole([&] { return FillBuffer(buffer, 0x11); });  // 256 + 256 bytes: too large
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "This change cannot be undone");

    small.record(0, 100, [&] { std::fill_n(buffer.data(), 100, 0x22); });
    small.record(0, 100, [&] { std::fill_n(buffer.data(), 100, 0x33); });
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "The oldest change can no longer be undone");
    EXPECT_TRUE(small.undo());
    EXPECT_FALSE(small.undo());
    EXPECT_EQ(buffer.data()[0], 0x22);
}

}  // namespace
}  // namespace veldrix::test
