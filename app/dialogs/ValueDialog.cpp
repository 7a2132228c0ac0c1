#include "dialogs/ValueDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "buffer/ToolValue.h"
#include "dialogs/RefusedField.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 158;
constexpr int kHeight = 52;

}  // namespace

ValueDialog::ValueDialog(const QString& label, Language language, QWidget* parent)
    : ResourceDialog(parent, QString::fromLatin1(kTitle), kWidth, kHeight),
      edit_(new QLineEdit(QStringLiteral("0"), this)),
      language_(language) {
    setObjectName(QStringLiteral("valueDialog"));
    auto* caption = place(new QLabel(label, this), DialogRect{7, 5, 151, 14});
    caption->setAlignment(Qt::AlignCenter);
    place(edit_, DialogRect{54, 16, 104, 28});
    addOkCancel(DialogRect{25, 33, 75, 47}, DialogRect{83, 33, 133, 47});
    edit_->selectAll();
    edit_->setFocus();
}

bool ValueDialog::acceptEntries() {
    const std::optional<std::uint8_t> value = parseToolValue(edit_->text().toStdString());
    if (!value) {
        refuseField(*edit_, kToolValueRefused, language_);
        return false;
    }
    value_ = *value;
    return true;
}

std::optional<std::uint8_t> RunValueDialog(const QString& label, Language language,
                                           QWidget* parent) {
    ValueDialog dialog(label, language, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.value();
}

}  // namespace veldrix
