#pragma once
// Go to address: one edit taking the program's numbers (31, 0x1F, 1Fh, $1F).
// OK refuses a text that is no address the editor shows, with a message, and
// the dialog stays open with the text.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/ProgramSettings.h"
#include "dialogs/ResourceDialog.h"

class QLineEdit;

namespace veldrix {

class GoToDialog : public ResourceDialog {
    Q_OBJECT

public:
    // The editor shows `length` bytes with addresses from `firstAddress` on;
    // `language` is the message box's, for a refused text.
    GoToDialog(std::uint32_t firstAddress, std::uint32_t length, Language language,
               QWidget* parent);

    // After OK: the byte of the shown data the address names.
    [[nodiscard]] std::size_t index() const noexcept { return index_; }

protected:
    bool acceptEntries() override;

private:
    QLineEdit* edit_;
    std::uint32_t firstAddress_;
    std::uint32_t length_;
    Language language_;
    std::size_t index_ = 0;
};

// The index of the byte to go to, or nothing when the user cancelled.
[[nodiscard]] std::optional<std::size_t> RunGoToDialog(std::uint32_t firstAddress,
                                                       std::uint32_t length, Language language,
                                                       QWidget* parent);

}  // namespace veldrix
