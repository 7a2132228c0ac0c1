#include <gtest/gtest.h>

#include <csignal>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "FakeEditorView.h"
#include "RecordingUserInterface.h"
#include "buffer/DataBuffer.h"
#include "core/CallbackTargets.h"
#include "core/ProgressService.h"

namespace veldrix {
namespace {

struct VoltageSeen {
    std::int32_t vcc = -1, vpp = -1, vid = -1;
} g_voltageSeen;

extern "C" std::uint32_t recordingVoltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) {
    g_voltageSeen = {vcc, vpp, vid};
    return 0x10005;  // only the low 16 bits reach the module
}
extern "C" std::uint32_t faultingVoltage(std::int32_t, std::int32_t, std::int32_t) {
    std::raise(SIGSEGV);
    return 1;
}
extern "C" std::uint32_t throwingVoltage(std::int32_t, std::int32_t, std::int32_t) {
    throw std::logic_error("driver bug");
}

class CallbackTargetsTest : public ::testing::Test {
protected:
    void SetUp() override { fillCallBlockCallbacks(block, targets); }

    dlldata block{};
    test::RecordingUserInterface ui;
    ProgressService progress{block, ui};
    CallbackTargets targets{&ui, &progress, nullptr, nullptr};
};

TEST_F(CallbackTargetsTest, EveryProgramCallbackIsFilled) {
    EXPECT_NE(block.delay, nullptr);
    EXPECT_NE(block.status, nullptr);
    EXPECT_NE(block.msgbox, nullptr);
    EXPECT_NE(block.spare, nullptr);
    EXPECT_NE(block.getbyte, nullptr);
    EXPECT_NE(block.getpage, nullptr);
    EXPECT_NE(block.mark, nullptr);
    EXPECT_NE(block.putbyte, nullptr);
    EXPECT_NE(block.voltage, nullptr);
    EXPECT_NE(block.progress, nullptr);
    // The driver binding supplies these.
    EXPECT_EQ(block.bdport, nullptr);
    EXPECT_EQ(block.VccTable, nullptr);
}

TEST_F(CallbackTargetsTest, MessageBoxFormatsPassesStyleAndReturnsTheButton) {
    ui.boxAnswers = {DD_IDNO};
    EXPECT_EQ(block.msgbox(DD_MB_YESNO | DD_MB_ICONEXCLAMATION, "%i Errors", 3), DD_IDNO);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].style, DD_MB_YESNO | DD_MB_ICONEXCLAMATION);
    EXPECT_EQ(ui.boxes[0].text, "3 Errors");
}

TEST_F(CallbackTargetsTest, LongTextsAreCutToTheirBuffers) {
    const std::string longText(2000, 'x');
    block.msgbox(0, "%s", longText.c_str());
    block.status("%s", longText.c_str());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, std::string(511, 'x'));
    ASSERT_EQ(ui.statusMessages.size(), 1u);
    EXPECT_EQ(ui.statusMessages[0], std::string(99, 'x'));
}

TEST_F(CallbackTargetsTest, StatusWithoutFormatRefreshesTheTitleOnly) {
    block.status(nullptr);
    EXPECT_EQ(ui.titleRefreshes, 1);
    EXPECT_TRUE(ui.statusMessages.empty());
}

TEST_F(CallbackTargetsTest, StatusMessageClosesTheProgressWindow) {
    block.size = 10;
    block.progress(0, DD_PROGRESS_OPEN);
    block.status("Read error: %X", 0x42);
    EXPECT_FALSE(progress.isOpen());
    EXPECT_EQ(ui.events.back(), "status Read error: 42");
}

TEST_F(CallbackTargetsTest, VoltageWithoutDriverYieldsZero) {
    EXPECT_EQ(block.voltage(50, 120, 120), 0);
}

TEST_F(CallbackTargetsTest, VoltageForwardsToTheDriver) {
    targets.driverVoltage = recordingVoltage;
    EXPECT_EQ(block.voltage(50, 125, 140), 5);
    EXPECT_EQ(g_voltageSeen.vcc, 50);
    EXPECT_EQ(g_voltageSeen.vpp, 125);
    EXPECT_EQ(g_voltageSeen.vid, 140);
}

TEST_F(CallbackTargetsTest, FaultingDriverVoltageReportsNotesTheFaultAndYieldsZero) {
    const std::pair<dd_driver_voltage_fn, platform::FaultKind> drivers[] = {
        {faultingVoltage, platform::FaultKind::Segmentation},
        {throwingVoltage, platform::FaultKind::CxxException}};
    std::uint32_t noted = 0;
    for (const auto& [driver, kind] : drivers) {
        ui.statusMessages.clear();
        targets.driverVoltage = driver;
        EXPECT_EQ(block.voltage(50, 120, 120), 0);
        EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"voltage ERR"}));
        EXPECT_EQ(targets.driverFaults.count, ++noted);
        EXPECT_EQ(targets.driverFaults.last, kind);
    }
    targets.driverVoltage = recordingVoltage;
    (void)block.voltage(50, 120, 120);
    EXPECT_EQ(targets.driverFaults.count, noted);
}

TEST_F(CallbackTargetsTest, BufferCallbacksWithoutImageActAsOnAnEmptyOne) {
    EXPECT_EQ(block.getbyte(0), 0xFF);
    EXPECT_EQ(block.putbyte(0, 1), 0u);
    EXPECT_EQ(block.getpage(0, 1), nullptr);
    EXPECT_EQ(block.mark(0, 1), 0u);
    EXPECT_EQ(block.spare(), 0u);
}

TEST_F(CallbackTargetsTest, BufferCallbacksReachTheDataBuffer) {
    DataBuffer buffer(block);
    targets.buffer = &buffer;
    block.size = 4;
    block.blank = 0xFF;
    buffer.SetBuffers();
    EXPECT_EQ(block.putbyte(1, 0x1A5), 1u);
    EXPECT_EQ(block.getbyte(1), 0xA5);
    EXPECT_EQ(block.putbyte(4, 0), 0u);
    const std::uint8_t* page = block.getpage(0, 4);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page[1], 0xA5);
    EXPECT_EQ(page[3], 0xFF);
}

}  // namespace
}  // namespace veldrix

namespace veldrix {
namespace {

// A user interface and an editor whose windows fail.
class FailingUserInterface : public test::RecordingUserInterface {
public:
    std::uint32_t messageBox(std::uint32_t, const std::string&) override {
        throw std::runtime_error("no box today");
    }
    void moveProgressWindow(std::int32_t, int) override { throw std::bad_alloc(); }
};

class FailingEditor : public test::FakeEditorView {
public:
    bool setMark(std::uint32_t, bool) override { throw 42; }
};

class FailingCallbacksTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillCallBlockCallbacks(block, targets);
        block.size = 16;
        block.bits = 8;
        block.blank = 0xFF;
        buffer.setEditors(&editor, nullptr);
        buffer.SetBuffers();
    }

    dlldata block{};
    FailingUserInterface ui;
    ProgressService progress{block, ui};
    DataBuffer buffer{block};
    CallbackTargets targets{&ui, &progress, &buffer, nullptr};
    FailingEditor editor;
};

// A progress window that cannot be shown is no reason to go on unwatched.
TEST_F(FailingCallbacksTest, AFailingProgressWindowIsReportedAndCancelsTheOperation) {
    EXPECT_EQ(block.progress(4, DD_PROGRESS_SET), 1u);
    ASSERT_EQ(ui.statusMessages.size(), 1u);
    EXPECT_EQ(ui.statusMessages[0], "progress ERR: std::bad_alloc");
}

TEST_F(FailingCallbacksTest, AFailingMessageBoxIsReportedAndAnswersCancel) {
    EXPECT_EQ(block.msgbox(DD_MB_YESNO, "Go on?"), DD_IDCANCEL);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"msgbox ERR: no box today"}));
}

TEST_F(FailingCallbacksTest, AFailingEditorIsReportedAndTheMarkRefused) {
    EXPECT_EQ(block.mark(3, 1), 0u);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"mark ERR: unknown exception"}));
}

}  // namespace
}  // namespace veldrix
