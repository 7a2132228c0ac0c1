#include "dialogs/ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace veldrix {

ProgressWindow::ProgressWindow(QWidget* owner, std::int32_t total, QPoint stored)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setCursor(Qt::BusyCursor);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowModality(Qt::ApplicationModal);

    const QFont messageFont = QApplication::font("QMessageBox");
    text_ = new QLabel(this);
    text_->setFont(messageFont);
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFixedHeight(QFontMetrics(messageFont).lineSpacing() * kTextLines);

    bar_ = new QProgressBar(this);
    bar_->setFont(messageFont);
    bar_->setTextVisible(false);
    // A range of 0..0 would make the bar a busy indicator.
    bar_->setRange(0, std::max<std::int32_t>(total, 1));
    bar_->setValue(0);

    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressWindow::cancel);

    auto* row = new QHBoxLayout;
    row->addWidget(bar_, 1);
    row->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addWidget(text_);
    layout->addLayout(row);

    setFixedWidth(kWidth);
    setFixedHeight(sizeHint().height());
    place(stored);
}

void ProgressWindow::place(QPoint stored) {
    if (QGuiApplication::screenAt(stored) != nullptr) {
        move(stored);
        return;
    }
    const QWidget* owner = parentWidget();
    const QRect over = owner != nullptr ? owner->window()->frameGeometry()
                                        : QGuiApplication::primaryScreen()->availableGeometry();
    move(over.center() - QPoint(width() / 2, height() / 2));
}

void ProgressWindow::showModal() {
    const bool programActive = QApplication::activeWindow() != nullptr;
    show();
    if (programActive) {
        activateWindow();
    }
}

void ProgressWindow::setText(const QString& text) {
    text_->setText(text);
}

void ProgressWindow::setPosition(std::int32_t position, int percent) {
    if (percent != percent_) {
        percent_ = percent;
        setWindowTitle(QStringLiteral("%1 [%2%]").arg(QString::fromLatin1(kTitle)).arg(percent));
    }
    bar_->setValue(position);
}

void ProgressWindow::keepFocus() {
    QWidget* active = QApplication::activeWindow();
    if (!cancelled_ && active != nullptr && active != this) {
        activateWindow();
    }
}

void ProgressWindow::cancel() {
    if (cancelled_) {
        return;
    }
    cancelled_ = true;
    hide();
    if (QWidget* owner = parentWidget()) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    cancel();
}

}  // namespace veldrix
