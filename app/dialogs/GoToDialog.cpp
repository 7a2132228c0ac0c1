#include "dialogs/GoToDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "buffer/GoToAddress.h"
#include "dialogs/RefusedField.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 150;
constexpr int kHeight = 46;

}  // namespace

GoToDialog::GoToDialog(std::uint32_t firstAddress, std::uint32_t length, Language language,
                       QWidget* parent)
    : ResourceDialog(parent, tr("Go to address"), kWidth, kHeight),
      edit_(new QLineEdit(this)),
      firstAddress_(firstAddress),
      length_(length),
      language_(language) {
    setObjectName(QStringLiteral("goToDialog"));
    auto* caption = place(new QLabel(tr("&Address:"), this), DialogRect{7, 9, 48, 19});
    caption->setBuddy(edit_);
    place(edit_, DialogRect{50, 7, 143, 20});
    addOkCancel(DialogRect{43, 26, 91, 40}, DialogRect{95, 26, 143, 40}, tr("OK"), tr("Cancel"));
    edit_->setFocus();
}

bool GoToDialog::acceptEntries() {
    const GoToResult result = parseGoToAddress(edit_->text().toStdString(), firstAddress_, length_);
    if (result.fault) {
        refuseField(*edit_, result.message, language_);
        return false;
    }
    index_ = result.index;
    return true;
}

std::optional<std::size_t> RunGoToDialog(std::uint32_t firstAddress, std::uint32_t length,
                                         Language language, QWidget* parent) {
    GoToDialog dialog(firstAddress, length, language, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.index();
}

}  // namespace veldrix
