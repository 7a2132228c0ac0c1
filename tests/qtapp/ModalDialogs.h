#pragma once
// Driving modal dialogs from a test: the action runs inside the dialog's
// own loop, on the modal dialog on top, and must close it. One it leaves
// open fails the test and is closed, so a faulty dialog cannot hang the run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace veldrix::test {

// Schedules `action` for the next modal dialog; call it right before the
// call that opens the dialog. It waits out other modal windows (the progress
// window) and event loops without a dialog, for a bounded number of turns.
inline void onNextModal(std::function<void(QWidget& modal)> action) {
    constexpr int kMaxTurns = 100000;
    auto* timer = new QTimer;
    timer->setInterval(0);
    auto turns = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, turns, action = std::move(action)] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr || !modal->isVisible()) {
            if (++*turns == kMaxTurns) {
                timer->deleteLater();
                timer->stop();
                ADD_FAILURE() << "no modal dialog opened";
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        action(*modal);
        if (QApplication::activeModalWidget() == modal && modal->isVisible()) {
            ADD_FAILURE() << "the action left " << modal->objectName().toStdString() << " open";
            modal->reject();
        }
    });
    timer->start();
}

// While it lives, a modal dialog that opens fails the test and is closed,
// instead of hanging it: for calls that must not open one. A progress
// window open meanwhile is no dialog.
class NoModalExpected {
public:
    NoModalExpected() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "a dialog opened: " << modal->objectName().toStdString();
                modal->close();
            }
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
};

}  // namespace veldrix::test
