#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <csignal>
#include <thread>

#include "FakeFrame.h"
#include "ModalDialogs.h"
#include "TempDir.h"
#include "core/CallBlock.h"
#include "core/CallbackTargets.h"
#include "core/ModuleCaller.h"
#include "core/ProgressService.h"
#include "core/SettingsStore.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/PumpThrottle.h"
#include "frame/GuiUserInterface.h"

namespace veldrix::test {
namespace {

class GuiProgress : public ::testing::Test {
protected:
    void SetUp() override {
        frame.window.resize(600, 300);
        frame.window.move(50, 50);
        frame.window.show();
        frame.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame.window));
        ui.setFrameView(&frame);
        ui.bind(settings, {});
        // A 16-bit chip of 1024 bytes: 512 steps.
        block.size = 1024;
        block.bits = 16;
    }

    std::uint32_t report(std::int32_t position, std::uint32_t mode = DD_PROGRESS_SET) {
        return progress.progress(position, mode);
    }
    // Reports pump events once the pump interval has passed since the last
    // pump (the coarse clock moves in steps of some milliseconds), and the
    // clock is read once a stride of reports: the report that pumps comes
    // within that many. Returns the last report's answer.
    std::uint32_t reportOncePumped(std::int32_t position) {
        std::this_thread::sleep_for(
            std::chrono::milliseconds(3 * PumpThrottle::kIntervalMilliseconds));
        std::uint32_t answer = 0;
        for (std::uint32_t i = 0; i < PumpThrottle::kMaxStride && answer == 0; ++i) {
            answer = report(position);
            if (window() == nullptr || window()->percent() == position * 100 / 512) {
                break;
            }
        }
        return answer;
    }
    ProgressWindow* window() const { return ui.progressWindow(); }

    TempDir dir;
    SettingsStore settings = SettingsStore::openFile(QString::fromStdString(dir.file("v.ini")));
    FakeFrame frame;
    GuiUserInterface ui;
    dlldata block{};
    ProgressService progress{block, ui};
};

TEST_F(GuiProgress, OpensModalOverTheMainWindowAndClosesThroughTheCallback) {
    EXPECT_EQ(report(0, DD_PROGRESS_OPEN), 0u);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->parentWidget(), &frame.window);
    EXPECT_EQ(QApplication::activeModalWidget(), window());
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Progress"));
    EXPECT_EQ(window()->width(), ProgressWindow::kWidth);
    EXPECT_EQ(window()->findChild<QPushButton*>()->text(), QStringLiteral("Cancel"));

    EXPECT_EQ(report(0, DD_PROGRESS_CLOSE), 0u);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiProgress, TitleFollowsThePercentageAndTheLastPositionCloses) {
    EXPECT_EQ(report(256), 0u);  // opens on the way
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Progress [50%]"));
    EXPECT_EQ(report(260), 0u);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Progress [50%]"));
    // Reports between pumps only count; the next pump shows the last one.
    EXPECT_EQ(report(400), 0u);
    EXPECT_EQ(reportOncePumped(511), 0u);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Progress [99%]"));
    EXPECT_EQ(report(512), 0u);
    EXPECT_EQ(window(), nullptr);
}

TEST_F(GuiProgress, EscOrCancelWaitingForThePumpCancelsUntilTheWindowCloses) {
    for (const bool byButton : {false, true}) {
        ASSERT_EQ(report(1), 0u);
        ASSERT_NE(window(), nullptr);
        if (byButton) {
            QPushButton* cancel = window()->findChild<QPushButton*>();
            QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
        } else {
            QCoreApplication::postEvent(
                window(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        }
        // Queued events are handled only while a report pumps them.
        EXPECT_FALSE(window()->cancelled());
        EXPECT_EQ(reportOncePumped(100), 1u);
        ASSERT_NE(window(), nullptr);
        EXPECT_TRUE(window()->cancelled());
        // Hidden, so the main window takes input again; the busy guard keeps
        // commands out until the module returns.
        EXPECT_FALSE(window()->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(report(101), 1u);
        // The last position closes the window and reports no cancel.
        EXPECT_EQ(report(512), 0u);
        EXPECT_EQ(window(), nullptr);
    }
}

TEST_F(GuiProgress, PlaceIsSavedWhenItClosesAndUsedNextTime) {
    ASSERT_EQ(report(0, DD_PROGRESS_OPEN), 0u);
    window()->move(123, 77);
    report(0, DD_PROGRESS_CLOSE);
    EXPECT_EQ(settings.settings().position.PX, 123);
    EXPECT_EQ(settings.settings().position.PY, 77);
    // Written at once, not only when the program ends.
    SettingsStore reread = SettingsStore::openFile(QString::fromStdString(dir.file("v.ini")));
    reread.readGeneral({INT32_MAX, INT32_MAX});
    EXPECT_EQ(reread.settings().position.PX, 123);
    EXPECT_EQ(reread.settings().position.PY, 77);

    report(0, DD_PROGRESS_OPEN);
    EXPECT_EQ(window()->pos(), QPoint(123, 77));
    report(0, DD_PROGRESS_CLOSE);

    // A place off every screen is not used: the window is centred over the
    // main window instead.
    settings.saveProgressPosition(-5000, 40000);
    report(0, DD_PROGRESS_OPEN);
    EXPECT_NEAR(window()->frameGeometry().center().x(), frame.window.frameGeometry().center().x(),
                1);
    report(0, DD_PROGRESS_CLOSE);
}

TEST_F(GuiProgress, ReportsLetWaitingWorkThrough) {
    bool delivered = false;
    report(0, DD_PROGRESS_OPEN);
    QMetaObject::invokeMethod(
        &frame.window, [&] { delivered = true; }, Qt::QueuedConnection);
    report(300);
    EXPECT_TRUE(delivered);
    report(0, DD_PROGRESS_CLOSE);
}

std::uint32_t g_boxAnswer = 0;
extern "C" std::int32_t asksDuringProgress(dlldata* block) {
    block->progress(0, DD_PROGRESS_SET);
    g_boxAnswer = block->msgbox(DD_MB_YESNO, "Insert the chip");
    return 0;
}
extern "C" std::int32_t faultsWithProgressOpen(dlldata* block) {
    block->progress(10, DD_PROGRESS_SET);
    std::raise(SIGSEGV);
    return 0;
}

class GuiProgressInModuleCall : public GuiProgress {
protected:
    void SetUp() override {
        GuiProgress::SetUp();
        stampCallBlock(block);
        fillCallBlockCallbacks(block, targets);
        block.hmodule = &block;
        block.size = 1024;
        block.bits = 8;
    }

    CallbackTargets targets{&ui, &progress, nullptr, nullptr};
    ModuleCaller caller{block, ui, progress};
};

TEST_F(GuiProgressInModuleCall, ABoxFromTheModuleStacksAboveTheProgressWindow) {
    caller.setEntry(asksDuringProgress);
    onNextModal([&](QWidget& box) {
        EXPECT_NE(window(), nullptr);
        EXPECT_EQ(box.parentWidget(), window());
        box.findChildren<QPushButton*>().at(1)->click();
    });
    caller.run(2);
    EXPECT_EQ(g_boxAnswer, DD_IDNO);
    // The module left it open; the guarded call closed it.
    EXPECT_EQ(window(), nullptr);
}

TEST_F(GuiProgressInModuleCall, AFaultingModuleLeavesNoWindowBehind) {
    caller.setEntry(faultsWithProgressOpen);
    QString reported;
    onNextModal([&](QWidget& box) {
        reported = box.findChild<QPlainTextEdit*>()->toPlainText();
        // The fault message comes after the progress window has gone.
        EXPECT_EQ(window(), nullptr);
        box.close();
    });
    caller.run(2);
    EXPECT_TRUE(reported.startsWith(QStringLiteral("DMAIN ERROR")));
    EXPECT_EQ(window(), nullptr);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(top->isVisible() && qobject_cast<ProgressWindow*>(top) != nullptr);
    }
}

}  // namespace
}  // namespace veldrix::test
