#pragma once
// The one-byte value dialog of Fill buffer and Xor buffer: titled "Buffer",
// an edit starting at 0 under a centred label naming the tool, OK and Cancel.
// OK takes an unsigned decimal number from 0 to 255; anything else is refused
// with a message and the dialog stays open.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/ProgramSettings.h"
#include "dialogs/ResourceDialog.h"

class QLineEdit;

namespace veldrix {

class ValueDialog : public ResourceDialog {
    Q_OBJECT

public:
    static constexpr const char* kTitle = "Buffer";

    // `language` is the message box's, for a refused value.
    ValueDialog(const QString& label, Language language, QWidget* parent);

    // After OK.
    [[nodiscard]] std::uint8_t value() const noexcept { return value_; }

protected:
    bool acceptEntries() override;

private:
    QLineEdit* edit_;
    Language language_;
    std::uint8_t value_ = 0;
};

// The value, or nothing when the user cancelled.
[[nodiscard]] std::optional<std::uint8_t> RunValueDialog(const QString& label, Language language,
                                                         QWidget* parent);

}  // namespace veldrix
