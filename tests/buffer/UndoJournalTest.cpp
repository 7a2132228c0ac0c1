#include "buffer/UndoJournal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A buffer with its journal, changed the way the editor and the commands do.
class Edited {
public:
    explicit Edited(std::size_t length, std::size_t budget = UndoJournal::kDefaultBudget)
        : data(length), journal(budget) {
        std::iota(data.begin(), data.end(), std::uint8_t{0});
    }

    // Writes `bytes` at `offset` as one step.
    RecordOutcome change(std::size_t offset, const Bytes& bytes) {
        PendingChange pending = UndoJournal::snapshot(data, offset, bytes.size());
        std::copy(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(offset));
        return journal.commit(std::move(pending), data);
    }

    RecordOutcome fill(std::uint8_t value) { return change(0, Bytes(data.size(), value)); }

    Bytes data;
    UndoJournal journal;
};

TEST(UndoJournal, TypingFillPasteAndReadAreUndoneAndRedoneExactly) {
    Edited edit(4096);
    std::vector<Bytes> states = {edit.data};

    EXPECT_EQ(edit.change(10, {0xAB}).entry, JournalEntry::Recorded);  // typing
    states.push_back(edit.data);
    EXPECT_EQ(edit.change(11, {0xCD}).entry, JournalEntry::Recorded);
    states.push_back(edit.data);
    EXPECT_EQ(edit.fill(0x5A).entry, JournalEntry::Recorded);
    states.push_back(edit.data);
    EXPECT_EQ(edit.change(4000, Bytes(96, 0x11)).entry, JournalEntry::Recorded);  // paste
    states.push_back(edit.data);
    Bytes chip(4096);
    std::generate(chip.begin(), chip.end(), [n = 7u]() mutable { return n = n * 75 % 65537; });
    EXPECT_EQ(edit.change(0, chip).entry, JournalEntry::Recorded);  // read
    states.push_back(edit.data);

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(edit.journal.undo(edit.data));
        EXPECT_EQ(edit.data, states[i]) << "after undoing to state " << i;
    }
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_FALSE(edit.journal.undo(edit.data));
    EXPECT_EQ(edit.data, states.front());

    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(edit.journal.redo(edit.data));
        EXPECT_EQ(edit.data, states[i]) << "after redoing to state " << i;
    }
    EXPECT_FALSE(edit.journal.canRedo());
    EXPECT_FALSE(edit.journal.redo(edit.data));
}

TEST(UndoJournal, AStepKeepsOnlyTheBytesThatChanged) {
    Edited edit(100);
    Bytes pasted(edit.data.begin() + 20, edit.data.begin() + 60);
    pasted[5] = 0xEE;   // offset 25
    pasted[30] = 0xEE;  // offset 50
    edit.change(20, pasted);

    EXPECT_EQ(edit.journal.undo(edit.data), (ChangedRange{25, 26}));
    EXPECT_EQ(edit.journal.redo(edit.data), (ChangedRange{25, 26}));
}

TEST(UndoJournal, AChangeThatChangesNothingIsNoStepAndKeepsTheRedoSteps) {
    Edited edit(16);
    edit.change(3, {0xFF});
    ASSERT_TRUE(edit.journal.undo(edit.data));

    EXPECT_EQ(edit.change(5, {5}), (RecordOutcome{JournalEntry::Unchanged, 0}));
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_TRUE(edit.journal.canRedo());
}

TEST(UndoJournal, ANewChangeAfterUndoEndsTheRedoSteps) {
    Edited edit(16);
    edit.change(1, {0xA1});
    edit.change(2, {0xA2});
    ASSERT_TRUE(edit.journal.undo(edit.data));
    const std::size_t heldWithRedo = edit.journal.bytesHeld();

    edit.change(9, {0xA9});
    EXPECT_FALSE(edit.journal.canRedo());
    EXPECT_EQ(edit.journal.bytesHeld(), heldWithRedo);  // one step for another of the same size
    ASSERT_TRUE(edit.journal.undo(edit.data));
    ASSERT_TRUE(edit.journal.undo(edit.data));
    EXPECT_EQ(edit.data[1], 1);
    EXPECT_EQ(edit.data[2], 2);
    EXPECT_EQ(edit.data[9], 9);
}

TEST(UndoJournal, TheOldestStepsGoWhenTheBudgetIsExceededAndTheOutcomeSaysSo) {
    Edited probe(1024);
    probe.change(0, Bytes(100, 0xEE));
    const std::size_t stepCost = probe.journal.bytesHeld();

    Edited edit(1024, 3 * stepCost);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(edit.change(100 * i, Bytes(100, 0xEE)),
                  (RecordOutcome{JournalEntry::Recorded, 0}));
    }
    const RecordOutcome fourth = edit.change(300, Bytes(100, 0xEE));
    EXPECT_EQ(fourth, (RecordOutcome{JournalEntry::Recorded, 1}));
    EXPECT_EQ(recordOutcomeText(fourth), "The oldest change can no longer be undone");
    EXPECT_LE(edit.journal.bytesHeld(), 3 * stepCost);

    const RecordOutcome large = edit.change(0, Bytes(150, 0x77));
    EXPECT_EQ(large, (RecordOutcome{JournalEntry::Recorded, 2}));
    EXPECT_EQ(recordOutcomeText(large), "The 2 oldest changes can no longer be undone");

    // What is left undoes the last two steps, no further.
    int undone = 0;
    while (edit.journal.undo(edit.data)) {
        ++undone;
    }
    EXPECT_EQ(undone, 2);
    // The dropped steps stay done.
    EXPECT_EQ(edit.data[50], 0xEE);
    EXPECT_EQ(edit.data[150], 0xEE);
    EXPECT_EQ(edit.data[250], 0xEE);
    EXPECT_EQ(edit.data[350], 350 & 0xFF);
}

TEST(UndoJournal, AStepLargerThanTheBudgetEmptiesTheJournal) {
    Edited edit(1024, 1000);
    edit.change(0, {0xEE});
    edit.change(1, {0xEE});

    const RecordOutcome outcome = edit.fill(0x00);
    EXPECT_EQ(outcome, (RecordOutcome{JournalEntry::Unrecordable, 2}));
    EXPECT_EQ(recordOutcomeText(outcome),
              "This change cannot be undone, nor can the changes before it");
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_EQ(edit.journal.bytesHeld(), 0u);
    EXPECT_EQ(recordOutcomeText(edit.fill(0x01)), "This change cannot be undone");
    EXPECT_EQ(recordOutcomeText({JournalEntry::Recorded, 0}), "");
}

TEST(UndoJournal, AStepThatNoLongerFitsTheImageEmptiesTheJournalAndWritesNothing) {
    Edited edit(64);
    edit.change(0, {0xEE});
    edit.change(60, {0, 0, 0, 0});

    Bytes replaced(32, 0x33);
    EXPECT_FALSE(edit.journal.undo(replaced));
    EXPECT_EQ(replaced, Bytes(32, 0x33));
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_FALSE(edit.journal.canRedo());
}

TEST(UndoJournal, AChangeJoinedToTheNewestStepIsUndoneWithIt) {
    Edited edit(32);
    edit.change(4, {0xA4});
    PendingChange more = UndoJournal::snapshot(edit.data, 6, 2);
    edit.data[6] = 0xB6;
    edit.data[7] = 0xB7;
    EXPECT_EQ(edit.journal.commitToNewest(std::move(more), edit.data).entry,
              JournalEntry::Recorded);

    // One step over both, byte 5 between them untouched.
    EXPECT_EQ(edit.journal.undo(edit.data), (ChangedRange{4, 4}));
    EXPECT_EQ(edit.data[4], 4);
    EXPECT_EQ(edit.data[6], 6);
    EXPECT_EQ(edit.data[7], 7);
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_EQ(edit.journal.redo(edit.data), (ChangedRange{4, 4}));
    EXPECT_EQ(edit.data[5], 5);
    EXPECT_EQ(edit.data[7], 0xB7);

    // Nothing to join once the newest step is undone: a step of its own.
    ASSERT_TRUE(edit.journal.undo(edit.data));
    PendingChange alone = UndoJournal::snapshot(edit.data, 9, 1);
    edit.data[9] = 0xC9;
    EXPECT_EQ(edit.journal.commitToNewest(std::move(alone), edit.data).entry,
              JournalEntry::Recorded);
    EXPECT_EQ(edit.journal.undo(edit.data), (ChangedRange{9, 1}));
    EXPECT_FALSE(edit.journal.canUndo());
}

TEST(UndoJournal, AJoinedChangeThatRestoresTheOldBytesLeavesNoStep) {
    Edited edit(16);
    edit.change(3, {0x13});
    const std::size_t before = edit.journal.bytesHeld();
    PendingChange back = UndoJournal::snapshot(edit.data, 3, 1);
    edit.data[3] = 3;
    EXPECT_EQ(edit.journal.commitToNewest(std::move(back), edit.data).entry,
              JournalEntry::Unchanged);
    EXPECT_FALSE(edit.journal.canUndo());
    EXPECT_LT(edit.journal.bytesHeld(), before);
}

TEST(UndoJournal, SnapshotsAndCommitsStayInsideTheBuffer) {
    const Bytes data(8, 1);
    EXPECT_EQ(UndoJournal::snapshot(data, 6, 10).before.size(), 2u);
    EXPECT_EQ(UndoJournal::snapshot(data, 20, 4).before.size(), 0u);

    UndoJournal journal;
    PendingChange pending = UndoJournal::snapshot(data, 4, 4);
    const Bytes shrunk(6, 2);
    EXPECT_EQ(journal.commit(std::move(pending), shrunk).entry, JournalEntry::Unrecordable);
}

}  // namespace
}  // namespace veldrix::test
