#include "frame/PortBar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "dialogs/DialogUnits.h"

namespace veldrix {

PortBar::PortBar(QWidget* parent) : QToolBar(parent), ports_(new QComboBox(this)) {
    setObjectName(QStringLiteral("portBar"));
    ports_->setObjectName(QStringLiteral("ports"));
    ports_->setFixedWidth(DialogUnits(font()).x(kListWidth));
    addWidget(ports_);

    ports_->installEventFilter(this);
    connect(ports_, &QComboBox::activated, this,
            [this](int index) { emit portChosen(ports_->itemText(index)); });
    retranslate();
}

void PortBar::fill(const std::vector<std::string>& labels, const std::string& current) {
    const QSignalBlocker blocker(ports_);
    ports_->clear();
    for (const std::string& label : labels) {
        ports_->addItem(QString::fromStdString(label));
    }
    ports_->setCurrentIndex(std::max(ports_->findText(QString::fromStdString(current)), 0));
}

void PortBar::retranslate() {
    setWindowTitle(QCoreApplication::translate("CMainFrame", "Port bar"));
    ports_->setToolTip(QCoreApplication::translate("CMainFrame", "Port"));
    ports_->setStatusTip(
        QCoreApplication::translate("CMainFrame", "The port the programmer is attached to"));
}

bool PortBar::eventFilter(QObject* watched, QEvent* event) {
    // The list's own pop-up hands the focus back when it closes: no new
    // enumeration for that.
    if (watched == ports_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        emit focusEntered();
    }
    return QToolBar::eventFilter(watched, event);
}

}  // namespace veldrix
