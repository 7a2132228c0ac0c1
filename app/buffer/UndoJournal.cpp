#include "buffer/UndoJournal.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <utility>

namespace veldrix {

namespace {

// Bookkeeping of a step beside its bytes, so that many one-byte steps still
// count against the budget.
constexpr std::size_t kStepOverhead = 64;

}  // namespace

std::string recordOutcomeText(const RecordOutcome& outcome) {
    const auto translated = [](const char* text) {
        return QCoreApplication::translate("UndoJournal", text).toStdString();
    };
    if (outcome.entry == JournalEntry::Unrecordable) {
        return outcome.droppedSteps == 0
                   ? translated(QT_TRANSLATE_NOOP("UndoJournal", "This change cannot be undone"))
                   : translated(QT_TRANSLATE_NOOP(
                         "UndoJournal",
                         "This change cannot be undone, nor can the changes before it"));
    }
    if (outcome.droppedSteps == 1) {
        return translated(
            QT_TRANSLATE_NOOP("UndoJournal", "The oldest change can no longer be undone"));
    }
    if (outcome.droppedSteps > 1) {
        const int count = static_cast<int>(std::min<std::size_t>(outcome.droppedSteps, INT_MAX));
        return QCoreApplication::translate(
                   "UndoJournal", "The %n oldest changes can no longer be undone", nullptr, count)
            .toStdString();
    }
    return {};
}

PendingChange UndoJournal::snapshot(std::span<const std::uint8_t> buffer, std::size_t offset,
                                    std::size_t length) {
    offset = std::min(offset, buffer.size());
    const auto bytes = buffer.subspan(offset, std::min(length, buffer.size() - offset));
    return {offset, {bytes.begin(), bytes.end()}};
}

RecordOutcome UndoJournal::commit(PendingChange change, std::span<const std::uint8_t> buffer) {
    if (change.offset > buffer.size() || change.before.size() > buffer.size() - change.offset) {
        return discardAll();  // the image shrank: what it held cannot be put back
    }
    const auto after = buffer.subspan(change.offset, change.before.size());
    const auto& before = change.before;
    const auto first = std::mismatch(before.begin(), before.end(), after.begin()).first;
    if (first == before.end()) {
        return {JournalEntry::Unchanged};
    }
    const auto last = std::mismatch(before.rbegin(), before.rend(), after.rbegin()).first.base();
    const auto skip = static_cast<std::size_t>(first - before.begin());
    const auto length = static_cast<std::size_t>(last - first);

    Step step{change.offset + skip, {first, last}, {}};
    step.after.assign(after.begin() + static_cast<std::ptrdiff_t>(skip),
                      after.begin() + static_cast<std::ptrdiff_t>(skip + length));
    dropRedoSteps();
    const std::size_t cost = costOf(step);
    if (cost > budget_) {
        return discardAll();
    }
    steps_.push_back(std::move(step));
    ++next_;
    held_ += cost;
    std::size_t dropped = 0;
    while (held_ > budget_) {
        held_ -= costOf(steps_.front());
        steps_.pop_front();
        --next_;
        ++dropped;
    }
    return {JournalEntry::Recorded, dropped};
}

RecordOutcome UndoJournal::commitToNewest(PendingChange change,
                                          std::span<const std::uint8_t> buffer) {
    if (!canUndo() || canRedo()) {
        return commit(std::move(change), buffer);
    }
    const Step& newest = steps_.back();
    const std::size_t first = std::min(newest.offset, change.offset);
    const std::size_t end =
        std::max(newest.offset + newest.before.size(), change.offset + change.before.size());
    if (end > buffer.size()) {
        return discardAll();
    }
    // The joined range as it was before the newest step: the bytes between
    // the two ranges are untouched, the change's snapshot covers its range,
    // and where the two overlap the newest step knows the older bytes.
    PendingChange joined = snapshot(buffer, first, end - first);
    const auto place = [&](std::size_t offset, const std::vector<std::uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(),
                  joined.before.begin() + static_cast<std::ptrdiff_t>(offset - first));
    };
    place(change.offset, change.before);
    place(newest.offset, newest.before);
    held_ -= costOf(newest);
    steps_.pop_back();
    --next_;
    return commit(std::move(joined), buffer);
}

std::optional<ChangedRange> UndoJournal::undo(std::span<std::uint8_t> buffer) {
    if (!canUndo()) {
        return std::nullopt;
    }
    const auto range = apply(buffer, steps_[next_ - 1], false);
    if (range) {
        --next_;
    }
    return range;
}

std::optional<ChangedRange> UndoJournal::redo(std::span<std::uint8_t> buffer) {
    if (!canRedo()) {
        return std::nullopt;
    }
    const auto range = apply(buffer, steps_[next_], true);
    if (range) {
        ++next_;
    }
    return range;
}

void UndoJournal::clear() noexcept {
    steps_.clear();
    next_ = 0;
    held_ = 0;
}

RecordOutcome UndoJournal::discardAll() noexcept {
    const std::size_t dropped = steps_.size();
    clear();
    return {JournalEntry::Unrecordable, dropped};
}

std::size_t UndoJournal::costOf(const Step& step) noexcept {
    return step.before.size() + step.after.size() + kStepOverhead;
}

std::optional<ChangedRange> UndoJournal::apply(std::span<std::uint8_t> buffer, const Step& step,
                                               bool forward) {
    const std::vector<std::uint8_t>& bytes = forward ? step.after : step.before;
    if (step.offset > buffer.size() || bytes.size() > buffer.size() - step.offset) {
        clear();
        return std::nullopt;
    }
    std::copy(bytes.begin(), bytes.end(),
              buffer.begin() + static_cast<std::ptrdiff_t>(step.offset));
    return ChangedRange{step.offset, bytes.size()};
}

void UndoJournal::dropRedoSteps() noexcept {
    while (steps_.size() > next_) {
        held_ -= costOf(steps_.back());
        steps_.pop_back();
    }
}

}  // namespace veldrix
