#include "dialogs/ResourceDialog.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>

#include "dialogs/DialogUnits.h"

namespace veldrix {

ResourceDialog::ResourceDialog(QWidget* parent, const QString& title, int width, int height)
    : QDialog(parent), width_(width), height_(height) {
    setWindowTitle(title);
    QFont font = QApplication::font();
    font.setPointSize(kFontPoints);
    setFont(font);
    layOut();
}

void ResourceDialog::addOkCancel(const DialogRect& ok, const DialogRect& cancel,
                                 const QString& okText, const QString& cancelText) {
    okButton_ = place(new QPushButton(okText, this), ok);
    okButton_->setDefault(true);
    auto* cancelButton = place(new QPushButton(cancelText, this), cancel);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        if (acceptEntries()) {
            accept();
        }
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ResourceDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layOut();
    }
}

void ResourceDialog::layOut() {
    const DialogUnits units(font());
    for (const Placed& placed : placed_) {
        if (placed.control != nullptr) {
            placed.control->setGeometry(units.toPixels(placed.rect));
        }
    }
    setFixedSize(units.toPixels(width_, height_));
}

}  // namespace veldrix
