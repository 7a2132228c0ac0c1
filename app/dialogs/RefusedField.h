#pragma once
// An edit whose text a dialog's OK refused: marked, focused with its text
// selected, and the reason shown in the program's message box over the
// dialog, which stays open. The mark goes when the user edits the text.

#include <QLineEdit>
#include <string>

#include "core/ProgramSettings.h"

namespace veldrix {

// The property a refused edit carries until it is edited.
inline constexpr const char* kRefusedProperty = "refused";

void refuseField(QLineEdit& field, const std::string& message, Language language);

[[nodiscard]] inline bool isRefused(const QLineEdit& field) {
    return field.property(kRefusedProperty).toBool();
}

}  // namespace veldrix
