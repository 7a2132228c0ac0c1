#pragma once
// The editor's undo and redo over the data buffer. Each step keeps the bytes
// of the range it changed, before and after; the steps together stay within a
// byte budget, the oldest given up first. A change after an undo ends the
// redo steps.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace veldrix {

struct ChangedRange {
    std::size_t offset;
    std::size_t length;

    friend bool operator==(const ChangedRange&, const ChangedRange&) = default;
};

// The bytes of a range before a change, taken by UndoJournal::snapshot.
struct PendingChange {
    std::size_t offset = 0;
    std::vector<std::uint8_t> before;
};

enum class JournalEntry {
    Recorded,
    Unchanged,  // no byte differs: nothing to undo
    // The step cannot be kept: alone it exceeds the budget, or the image
    // changed length under it. The journal is emptied, as older steps
    // cannot be undone across it.
    Unrecordable,
};

struct RecordOutcome {
    JournalEntry entry;
    std::size_t droppedSteps = 0;  // older steps given up to make room

    friend bool operator==(const RecordOutcome&, const RecordOutcome&) = default;
};

// What to tell the user about an outcome; empty when there is nothing to say.
[[nodiscard]] std::string recordOutcomeText(const RecordOutcome& outcome);

class UndoJournal {
public:
    static constexpr std::size_t kDefaultBudget = 64u * 1024 * 1024;

    explicit UndoJournal(std::size_t budgetBytes = kDefaultBudget) noexcept
        : budget_(budgetBytes) {}

    // Copies [offset, offset + length) of `buffer`, cut to the buffer, before
    // the caller changes it.
    [[nodiscard]] static PendingChange snapshot(std::span<const std::uint8_t> buffer,
                                                std::size_t offset, std::size_t length);
    // Records the change from the snapshot to what `buffer` holds now, kept
    // to the bytes that differ.
    RecordOutcome commit(PendingChange change, std::span<const std::uint8_t> buffer);
    // As commit, but the change joins the newest step, which then undoes
    // both at once (the two digits typed into one byte). A new step when
    // there is none to join: the journal is empty or the newest was undone.
    RecordOutcome commitToNewest(PendingChange change, std::span<const std::uint8_t> buffer);

    // Puts back the bytes of the newest step, or redoes the step undone
    // last; the range written, or nothing when there is no such step. A step
    // that no longer fits the buffer (the image was replaced) empties the
    // journal instead.
    std::optional<ChangedRange> undo(std::span<std::uint8_t> buffer);
    std::optional<ChangedRange> redo(std::span<std::uint8_t> buffer);

    [[nodiscard]] bool canUndo() const noexcept { return next_ != 0; }
    [[nodiscard]] bool canRedo() const noexcept { return next_ != steps_.size(); }
    // What the steps take, counted against the budget.
    [[nodiscard]] std::size_t bytesHeld() const noexcept { return held_; }
    void clear() noexcept;

private:
    struct Step {
        std::size_t offset;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> after;
    };

    [[nodiscard]] static std::size_t costOf(const Step& step) noexcept;
    std::optional<ChangedRange> apply(std::span<std::uint8_t> buffer, const Step& step,
                                      bool forward);
    void dropRedoSteps() noexcept;
    RecordOutcome discardAll() noexcept;

    std::size_t budget_;
    std::deque<Step> steps_;
    std::size_t next_ = 0;  // steps before it can be undone, from it on redone
    std::size_t held_ = 0;
};

}  // namespace veldrix
