#pragma once
// Find: what to look for, as hex bytes ("DE AD BE EF") or as text, and
// which way. Next and Previous refuse a pattern that is no bytes with a
// message, and the dialog stays open with the text.

#include <optional>

#include "core/ProgramSettings.h"
#include "dialogs/FindQuery.h"
#include "dialogs/ResourceDialog.h"

class QLineEdit;
class QRadioButton;

namespace veldrix {

class FindDialog : public ResourceDialog {
    Q_OBJECT

public:
    // Shows `last` for another search; `language` is the message box's.
    FindDialog(const FindQuery& last, Language language, QWidget* parent);

    // After Next or Previous.
    [[nodiscard]] const FindRequest& request() const noexcept { return request_; }

protected:
    // Next: the pattern, searched forward.
    bool acceptEntries() override;

private:
    // The pattern, searched in `direction`; false when it is refused.
    bool takeEntries(SearchDirection direction);

    QLineEdit* edit_;
    QRadioButton* hexBytes_;
    QRadioButton* text_;
    Language language_;
    FindRequest request_;
};

// The search the user asked for, or nothing when the user cancelled.
[[nodiscard]] std::optional<FindRequest> RunFindDialog(const FindQuery& last, Language language,
                                                       QWidget* parent);

}  // namespace veldrix
