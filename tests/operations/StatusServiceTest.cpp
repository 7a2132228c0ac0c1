#include <gtest/gtest.h>

#include <chrono>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

#include "RecordingUserInterface.h"
#include "core/CallbackTargets.h"
#include "core/ProgressService.h"
#include "core/StatusService.h"

namespace veldrix {
namespace {

// Holds the status thread inside each display until the test lets it go,
// so the test decides when the thread is busy, without timing.
class GatedUserInterface : public test::RecordingUserInterface {
public:
    std::counting_semaphore<16> shown{0};    // released when a display starts
    std::counting_semaphore<16> proceed{0};  // a display ends after one acquire
    std::thread::id displayThread;

    void showStatusMessage(const std::string& text) override {
        {
            std::lock_guard lock(mutex_);
            displayThread = std::this_thread::get_id();
        }
        RecordingUserInterface::showStatusMessage(text);
        shown.release();
        proceed.acquire();
    }
};

TEST(StatusService, ShowsMessagesOnItsOwnThread) {
    GatedUserInterface ui;
    StatusService service(ui);
    service.start();
    EXPECT_TRUE(service.post("Read error: 5"));
    ui.shown.acquire();
    ui.proceed.release();
    service.stop();
    EXPECT_FALSE(service.running());
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"Read error: 5"}));
    EXPECT_NE(ui.displayThread, std::this_thread::get_id());
}

TEST(StatusService, DropsAMessageGivenWhileAnotherIsPending) {
    GatedUserInterface ui;
    StatusService service(ui);
    service.start();
    ASSERT_TRUE(service.post("first"));
    ui.shown.acquire();  // the thread took "first" and emptied the slot
    EXPECT_FALSE(service.pending());
    EXPECT_TRUE(service.post("second"));
    EXPECT_FALSE(service.post("third"));
    EXPECT_TRUE(service.pending());
    ui.proceed.release();
    // "second" waited through the display of "first" and follows it.
    ui.shown.acquire();
    ui.proceed.release();
    service.stop();
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"first", "second"}));
}

TEST(StatusService, MessagesWaitForTheThreadAndDrainShowsThemHere) {
    test::RecordingUserInterface ui;
    StatusService service(ui);
    EXPECT_FALSE(service.drain());
    EXPECT_TRUE(service.post(std::string(150, 'y')));
    EXPECT_FALSE(service.post("later"));
    EXPECT_TRUE(ui.statusMessages.empty());
    EXPECT_TRUE(service.drain());
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{std::string(99, 'y')}));
    EXPECT_FALSE(service.pending());
    EXPECT_TRUE(service.post("again"));
}

TEST(StatusService, AnEmptyMessageStillTakesTheSlot) {
    test::RecordingUserInterface ui;
    StatusService service(ui);
    EXPECT_TRUE(service.post(""));
    EXPECT_FALSE(service.post("dropped"));
    EXPECT_TRUE(service.drain());
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{""}));
}

TEST(StatusService, StopWithoutMessagesAndRestartWork) {
    GatedUserInterface ui;
    StatusService service(ui);
    service.stop();  // never started
    service.start();
    EXPECT_TRUE(service.running());
    service.stop();
    service.start();
    EXPECT_TRUE(service.post("after restart"));
    ui.shown.acquire();
    ui.proceed.release();
    service.stop();
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"after restart"}));
}

TEST(StatusService, StopEndsADisplayThatIsInItsPauses) {
    // The display runs a full blink cycle with the service's sleeper: a stop
    // during its two-second hold must not wait the cycle out (a hang here
    // would end the test run).
    class BlinkingUserInterface : public test::RecordingUserInterface {
    public:
        StatusService* service = nullptr;
        std::binary_semaphore started{0};
        void showStatusMessage(const std::string& text) override {
            RecordingUserInterface::showStatusMessage(text);
            started.release();
            StatusBlinkCycle cycle(
                [](const std::string&) {}, nullptr,
                [this](std::chrono::milliseconds) { service->sleeper()(std::chrono::hours(1)); });
            cycle.run(text, false);
        }
    } ui;
    StatusService service(ui);
    ui.service = &service;
    service.start();
    ASSERT_TRUE(service.post("slow"));
    ui.started.acquire();
    service.stop();
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"slow"}));
}

TEST(StatusService, StatusCallbackPostsIntoTheBoundService) {
    dlldata block{};
    test::RecordingUserInterface ui;
    ProgressService progress(block, ui);
    StatusService service(ui);
    CallbackTargets targets{&ui, &progress, nullptr, nullptr, &service};
    fillCallBlockCallbacks(block, targets);

    block.size = 10;
    block.progress(0, DD_PROGRESS_OPEN);
    block.status("Compare error: %X", 0x100);
    block.status("Erase error: %X", 1);  // dropped: the first is pending
    EXPECT_FALSE(progress.isOpen());
    EXPECT_TRUE(ui.statusMessages.empty());
    EXPECT_TRUE(service.drain());
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"Compare error: 100"}));

    block.status("%s", std::string(300, 'z').c_str());
    EXPECT_TRUE(service.drain());
    EXPECT_EQ(ui.statusMessages.back(), std::string(99, 'z'));
}

}  // namespace
}  // namespace veldrix
