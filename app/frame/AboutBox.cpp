#include "frame/AboutBox.h"

#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/UserInterface.h"
#include "dlldata.h"
#include "frame/AboutCredits.h"
#include "frame/AboutDisplay.h"

namespace veldrix {

AboutBox::AboutBox(const char* moduleAbout, UserInterface& ui, QWidget* parent,
                   const QString& bitmapFolder)
    : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About.."));

    display_ =
        new AboutDisplay(aboutCreditLines(moduleAboutLine(moduleAbout), currentSystemDescription()),
                         bitmapFolder, this);
    display_->setFixedSize(kDisplayWidth, kDisplayHeight);
    connect(display_, &AboutDisplay::bitmapMissing, this, &AboutBox::reportMissingBitmap);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(display_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        display_->start();
    }
}

void AboutBox::done(int result) {
    display_->stop();
    QDialog::done(result);
}

void AboutBox::reportMissingBitmap(const QString& name) {
    ui_.messageBox(DD_MB_OK, "Could not find bitmap resource \"" + name.toStdString() +
                                 "\". Be sure to assign the bitmap a QUOTED resource name");
}

}  // namespace veldrix
