#pragma once
// The user's changes of the data buffer as undoable steps. The commands that
// change the image (Open, Open Block, the buffer tools, a chip Read) run
// inside record(); the editors' typing and pasting come in as an
// EditRecorder. The steps stay within the journal's byte budget, and the
// user is told when older steps are given up. A new image (another chip)
// ends the history: its steps belonged to the old one.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "buffer/DataBuffer.h"
#include "buffer/EditRecorder.h"
#include "buffer/UndoJournal.h"

namespace veldrix {

class EditHistory final : public EditRecorder {
public:
    // Shows a text to the user (the status line).
    using Reporter = std::function<void(const std::string& text)>;

    EditHistory(DataBuffer& buffer, Reporter report,
                std::size_t budgetBytes = UndoJournal::kDefaultBudget);

    // Runs `change`, which may write [offset, offset + length) of the image,
    // as one step, and returns what it returns. A change inside another one
    // is part of the outer step.
    template <class Change>
    decltype(auto) record(std::size_t offset, std::size_t length, Change&& change) {
        begin(offset, length, std::nullopt);
        const Finish finish{*this};
        return std::forward<Change>(change)();
    }
    // The same for a change that may write any byte of the image.
    template <class Change>
    decltype(auto) recordWhole(Change&& change) {
        return record(0, SIZE_MAX, std::forward<Change>(change));
    }

    // EditRecorder.
    void beforeEdit(std::size_t offset, std::size_t length, EditKind kind) override;
    void afterEdit() override;

    // Puts back the newest step, or redoes the one undone last; the range of
    // the image written, for the editors to show, or nothing when there was
    // no such step.
    std::optional<ChangedRange> undo();
    std::optional<ChangedRange> redo();
    [[nodiscard]] bool canUndo() const noexcept;
    [[nodiscard]] bool canRedo() const noexcept;

private:
    struct Finish {
        EditHistory& history;
        ~Finish() { history.finish(); }
    };

    // `typed`: the kind of a typed digit, which may join the newest step.
    void begin(std::size_t offset, std::size_t length, std::optional<EditKind> typed);
    void finish();
    [[nodiscard]] bool sameImage() const noexcept;
    // Drops the steps of an image that is gone.
    void followImage();
    [[nodiscard]] std::span<std::uint8_t> image() noexcept;

    DataBuffer& buffer_;
    Reporter report_;
    UndoJournal journal_;
    std::uint64_t generation_;
    unsigned depth_ = 0;
    std::optional<PendingChange> pending_;
    std::optional<EditKind> pendingTyped_;
    // The byte whose high digit the newest step holds: its low digit joins it.
    std::optional<std::size_t> openByte_;
};

}  // namespace veldrix
