#include <gtest/gtest.h>

#include <cstdint>

#include "RecordingUserInterface.h"
#include "core/ProgressService.h"

namespace veldrix {
namespace {

class ProgressServiceTest : public ::testing::Test {
protected:
    dlldata block{};
    test::RecordingUserInterface ui;
    ProgressService progress{block, ui};
};

TEST_F(ProgressServiceTest, OpeningRaisesNarrowBusesToEightBits) {
    block.bits = 4;
    block.size = 1024;
    EXPECT_EQ(progress.progress(0, DD_PROGRESS_OPEN), 0u);
    EXPECT_EQ(block.bits, 8);
    EXPECT_EQ(progress.total(), 1024);
    EXPECT_TRUE(ui.progressOpen);
    EXPECT_EQ(ui.progressTotal, 1024);
}

TEST_F(ProgressServiceTest, SixteenBitChipCountsWordsAndShowsPercent) {
    block.bits = 16;
    block.size = 1024;
    EXPECT_EQ(progress.progress(256, DD_PROGRESS_SET), 0u);
    EXPECT_EQ(progress.total(), 512);
    EXPECT_EQ(ui.progressPosition, 256);
    EXPECT_EQ(ui.progressPercent, 50);
}

TEST_F(ProgressServiceTest, SecondOpenChangesNothing) {
    block.bits = 8;
    block.size = 100;
    progress.progress(0, DD_PROGRESS_OPEN);
    block.size = 200;
    progress.progress(0, DD_PROGRESS_OPEN);
    EXPECT_EQ(progress.total(), 100);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"progress open 100"}));
}

TEST_F(ProgressServiceTest, CancelSticksUntilTheFinalPosition) {
    block.bits = 8;
    block.size = 10;
    ui.cancelAnswers = {false, true};
    EXPECT_EQ(progress.progress(1, DD_PROGRESS_SET), 0u);
    EXPECT_EQ(progress.progress(2, DD_PROGRESS_SET), 1u);
    // Later updates neither move the window nor ask the user again.
    const auto eventsAfterCancel = ui.events.size();
    EXPECT_EQ(progress.progress(3, DD_PROGRESS_SET), 1u);
    EXPECT_EQ(ui.events.size(), eventsAfterCancel);
    // The end position closes the window and reports no cancel.
    EXPECT_EQ(progress.progress(10, DD_PROGRESS_SET), 0u);
    EXPECT_FALSE(progress.isOpen());
    EXPECT_FALSE(ui.progressOpen);
    EXPECT_EQ(progress.total(), 0);
}

TEST_F(ProgressServiceTest, ZeroTotalClosesOnPositionZero) {
    block.size = 0;
    EXPECT_EQ(progress.progress(0, DD_PROGRESS_SET), 0u);
    EXPECT_FALSE(progress.isOpen());
    EXPECT_EQ(ui.events, (std::vector<std::string>{"progress open 0", "progress close"}));
}

TEST_F(ProgressServiceTest, PercentDoesNotOverflowOnLargeImages) {
    block.bits = 8;
    block.size = 200u * 1024 * 1024;
    progress.progress(150 * 1024 * 1024, DD_PROGRESS_SET);
    EXPECT_EQ(ui.progressPercent, 75);
}

TEST_F(ProgressServiceTest, ATotalBeyondThePositionRangeStaysPositive) {
    block.bits = 8;
    block.size = 0xFFFFFFFFu;
    progress.progress(0, DD_PROGRESS_OPEN);
    EXPECT_EQ(progress.total(), INT32_MAX);
    EXPECT_EQ(ui.progressTotal, INT32_MAX);
    progress.progress(INT32_MAX / 2, DD_PROGRESS_SET);
    EXPECT_EQ(ui.progressPercent, 49);
    // The last position a module can give still ends the operation.
    EXPECT_EQ(progress.progress(INT32_MAX, DD_PROGRESS_SET), 0u);
    EXPECT_FALSE(progress.isOpen());
}

TEST_F(ProgressServiceTest, UnknownModesAndClosingWithoutWindowDoNothing) {
    EXPECT_EQ(progress.progress(5, 3), 0u);
    EXPECT_EQ(progress.progress(0, DD_PROGRESS_CLOSE), 0u);
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace veldrix
