#include "buffer/EditHistory.h"

namespace veldrix {

EditHistory::EditHistory(DataBuffer& buffer, Reporter report, std::size_t budgetBytes)
    : buffer_(buffer),
      report_(std::move(report)),
      journal_(budgetBytes),
      generation_(buffer.imageGeneration()) {}

void EditHistory::beforeEdit(std::size_t offset, std::size_t length, EditKind kind) {
    begin(offset, length, kind == EditKind::Block ? std::nullopt : std::optional(kind));
}

void EditHistory::afterEdit() {
    finish();
}

void EditHistory::begin(std::size_t offset, std::size_t length, std::optional<EditKind> typed) {
    if (depth_ == 0) {
        followImage();
        pending_ = UndoJournal::snapshot(image(), offset, length);
        pendingTyped_ = typed;
    }
    // Counted once the snapshot is taken: a failed one leaves no step open.
    ++depth_;
}

void EditHistory::finish() {
    if (depth_ == 0 || --depth_ != 0) {
        return;
    }
    PendingChange change = std::move(*pending_);
    pending_.reset();
    const std::size_t offset = change.offset;
    if (!sameImage()) {
        // The change made a new image: nothing of the old one can be put back.
        followImage();
        openByte_.reset();
        return;
    }
    const bool joins = pendingTyped_ == EditKind::SecondDigit && openByte_ == offset;
    const RecordOutcome outcome = joins ? journal_.commitToNewest(std::move(change), image())
                                        : journal_.commit(std::move(change), image());
    const bool opensByte =
        pendingTyped_ == EditKind::FirstDigit && outcome.entry == JournalEntry::Recorded;
    openByte_ = opensByte ? std::optional(offset) : std::nullopt;
    if (const std::string text = recordOutcomeText(outcome); !text.empty() && report_) {
        report_(text);
    }
}

std::optional<ChangedRange> EditHistory::undo() {
    followImage();
    openByte_.reset();
    return journal_.undo(image());
}

std::optional<ChangedRange> EditHistory::redo() {
    followImage();
    openByte_.reset();
    return journal_.redo(image());
}

bool EditHistory::canUndo() const noexcept {
    return sameImage() && journal_.canUndo();
}

bool EditHistory::canRedo() const noexcept {
    return sameImage() && journal_.canRedo();
}

bool EditHistory::sameImage() const noexcept {
    return generation_ == buffer_.imageGeneration();
}

void EditHistory::followImage() {
    if (!sameImage()) {
        journal_.clear();
        generation_ = buffer_.imageGeneration();
    }
}

std::span<std::uint8_t> EditHistory::image() noexcept {
    return {buffer_.data(), buffer_.length()};
}

}  // namespace veldrix
