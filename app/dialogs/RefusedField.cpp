#include "dialogs/RefusedField.h"

#include <QPalette>

#include "dialogs/MessageBoxDialog.h"
#include "dlldata.h"

namespace veldrix {

namespace {

const QColor kRefusedTint(0xFF, 0xD0, 0xD0);

void mark(QLineEdit& field) {
    if (isRefused(field)) {
        return;
    }
    const QPalette before = field.palette();
    QPalette tinted = before;
    tinted.setColor(QPalette::Base, kRefusedTint);
    field.setPalette(tinted);
    field.setProperty(kRefusedProperty, true);
    QObject::connect(
        &field, &QLineEdit::textEdited, &field,
        [&field, before] {
            field.setPalette(before);
            field.setProperty(kRefusedProperty, false);
        },
        Qt::SingleShotConnection);
}

}  // namespace

void refuseField(QLineEdit& field, const std::string& message, Language language) {
    mark(field);
    showMessageBox(DD_MB_OK, message, language, field.window());
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

}  // namespace veldrix
