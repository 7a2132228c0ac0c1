#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "FakeFrame.h"
#include "TempDir.h"
#include "core/SettingsStore.h"
#include "core/StatusService.h"
#include "frame/GuiUserInterface.h"

namespace veldrix::test {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;
using Waits = std::vector<std::chrono::milliseconds>;

// Stands in for the status service's sleeper: records each wait, waits none.
struct RecordedSleeps {
    std::mutex mutex;
    Waits waits;
    StatusBlinkCycle::Sleeper sleeper() {
        return [this](std::chrono::milliseconds duration) {
            std::lock_guard lock(mutex);
            waits.push_back(duration);
        };
    }
};

class GuiStatus : public ::testing::Test {
protected:
    void SetUp() override {
        ui->setFrameView(&frame);
        ui->bind(settings, sleeps.sleeper());
    }

    // Runs a status display as the status thread does, and waits for its end.
    void showOnStatusThread(const std::string& text) {
        std::thread status([&] { ui->showStatusMessage(text); });
        status.join();
    }

    TempDir dir;
    SettingsStore settings = SettingsStore::openFile(QString::fromStdString(dir.file("v.ini")));
    FakeFrame frame;
    RecordedSleeps sleeps;
    std::unique_ptr<GuiUserInterface> ui = std::make_unique<GuiUserInterface>();
};

const Texts kBlink{"", "Read error: 5", "Read error: 5",
                   "", "Read error: 5", "Read error: 5",
                   "", "Read error: 5", ""};

TEST_F(GuiStatus, TheStatusThreadBlinksThePaneWithoutWaitingForTheGuiThread) {
    ui->setBeep(false);
    // The thread finishes its whole cycle while this thread handles nothing:
    // the pane updates were queued, not waited for.
    showOnStatusThread("Read error: 5");
    EXPECT_TRUE(frame.panes.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.messagePane(), kBlink);
    EXPECT_EQ(sleeps.waits, (Waits{100ms, 50ms, 100ms, 50ms, 100ms, 50ms, 100ms, 50ms, 100ms, 50ms,
                                   100ms, 50ms, 100ms, 50ms, 2000ms}));
}

TEST_F(GuiStatus, WithBeepingOnTheFirstFourStepsLastAsLongAsTheirBeeps) {
    ui->setBeep(true);
    showOnStatusThread("Read error: 5");
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.messagePane(), kBlink);
    EXPECT_EQ(sleeps.waits, (Waits{30ms, 50ms, 30ms, 50ms, 30ms, 50ms, 30ms, 50ms, 100ms, 50ms,
                                   100ms, 50ms, 100ms, 50ms, 2000ms}));
}

TEST_F(GuiStatus, BindingTakesTheStoredBeepSetting) {
    settings.settings().main.beep = 0;
    ui->bind(settings, sleeps.sleeper());
    showOnStatusThread("x");
    EXPECT_EQ(sleeps.waits.front(), 100ms);
}

TEST_F(GuiStatus, OnTheGuiThreadTheTextIsShownAtOnceWithoutACycle) {
    ui->showStatusMessage("FUNC NOT SUPPORT");
    EXPECT_EQ(frame.messagePane(), (Texts{"FUNC NOT SUPPORT"}));
    EXPECT_TRUE(sleeps.waits.empty());
}

TEST_F(GuiStatus, UpdatesStillQueuedWhenTheInterfaceGoesAreDropped) {
    showOnStatusThread("late");
    ui.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.panes.empty());
}

TEST_F(GuiStatus, ThroughTheStatusServiceAndStoppedInTheMiddleOfACycle) {
    StatusService service(*ui);
    ui->bind(settings, service.sleeper());  // real waits, ended by stop()
    service.start();
    ASSERT_TRUE(service.post("Erase error: 3"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const Texts shown = frame.messagePane();
        return std::find(shown.begin(), shown.end(), "Erase error: 3") != shown.end();
    }));
    // The GUI thread joins the status thread here: it must not wait for
    // this thread to handle its pane updates, nor for the cycle's pauses.
    service.stop();
    EXPECT_FALSE(service.running());
}

}  // namespace
}  // namespace veldrix::test
