#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeEditorView.h"
#include "RecordingUserInterface.h"
#include "buffer/DataBuffer.h"
#include "core/CallBlock.h"
#include "core/CallbackTargets.h"
#include "core/DeviceOperations.h"
#include "core/ModuleCaller.h"
#include "core/ProgressService.h"

namespace veldrix {
namespace {

// What the scripted module does on its next calls.
struct ModuleScript {
    std::int32_t result = 0;
    bool setErraddr = false;
    std::uint32_t erraddr = 0;
    bool setErrdata = false;
    std::uint32_t errdata = 0;
    bool fault = false;
    bool powerUp = false;               // asks the driver for voltages first
    std::vector<std::uint16_t> calls;   // funcode of each call
    std::vector<std::uint8_t> options;  // forcewr, checkwr, testins seen by the write
    std::vector<std::uint32_t> marks;   // addresses to mark during the call
} g_script;

extern "C" std::int32_t scriptedModule(dlldata* block) {
    g_script.calls.push_back(block->funcode);
    if (block->funcode == DD_FN_WRITE) {
        g_script.options = {block->forcewr, block->checkwr, block->testins};
    }
    for (std::uint32_t address : g_script.marks) {
        block->mark(address, 1);
    }
    if (g_script.powerUp) {
        block->voltage(50, 125, 0);
    }
    if (g_script.fault) {
        std::raise(SIGSEGV);
    }
    if (g_script.setErraddr) {
        block->erraddr = g_script.erraddr;
    }
    if (g_script.setErrdata) {
        block->errdata = g_script.errdata;
    }
    return g_script.result;
}

class DeviceOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_script = {};
        stampCallBlock(block);
        fillCallBlockCallbacks(block, targets);
        caller.setEntry(scriptedModule);
        block.size = 16;
        block.bits = 8;
        block.blank = 0xFF;
        block.hmodule = &block;  // any non-null handle: a module is loaded
        for (const CommandInfo& info : kCommands) {
            block.funcs[info.funcode] = 1;
        }
        buffer.setEditors(&mainEditor, &secondEditor);
        buffer.SetBuffers();
        for (std::uint32_t i = 0; i < 16; ++i) {
            buffer.putbyte(i, static_cast<std::uint8_t>(0xA0 + i));
        }
        ui.events.clear();
    }

    // Runs `command`, with the module answering `result`.
    void runWith(Command command, std::int32_t result) {
        g_script.result = result;
        operations.run(command);
    }

    dlldata block{};
    test::RecordingUserInterface ui;
    ProgressService progress{block, ui};
    DataBuffer buffer{block};
    CallbackTargets targets{&ui, &progress, &buffer, nullptr};
    ModuleCaller caller{block, ui, progress};
    GeneralSettings settings;
    DeviceOperations operations{block, caller, ui, buffer, settings};
    test::FakeEditorView mainEditor;
    test::FakeEditorView secondEditor;
};

TEST(CommandTable, HoldsEachCommandOnceInEnumOrder) {
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kCommands[i].command), i);
        // Identify, select, the unused code 6 and codes past configuration
        // drive no command.
        EXPECT_TRUE(kCommands[i].funcode >= DD_FN_READ &&
                    kCommands[i].funcode <= DD_FN_CONFIGURATION);
        EXPECT_NE(kCommands[i].funcode, DD_FN_WRITE + 1);
        for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
            EXPECT_NE(kCommands[i].identifier, kCommands[j].identifier);
            EXPECT_NE(kCommands[i].funcode, kCommands[j].funcode);
        }
    }
    EXPECT_EQ(commandInfo(Command::Configuration).identifier, 0x8024);
    EXPECT_EQ(commandInfo(Command::BlankCheck).key, "F8");
}

TEST_F(DeviceOperationsTest, CommandsFollowTheirCapabilityFlagsAndDisabledOnesSendNothing) {
    std::memset(block.funcs, 0, sizeof block.funcs);
    block.funcs[DD_FN_COMPARE] = 1;
    EXPECT_TRUE(operations.enabled(Command::Compare));
    EXPECT_FALSE(operations.enabled(Command::Read));
    EXPECT_EQ(operations.run(Command::Read).verdict, Verdict::NotSupported);
    EXPECT_TRUE(g_script.calls.empty());
    EXPECT_FALSE(operations.lastOutcome().ran);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(operations.run(Command::Compare).verdict, Verdict::Success);
    EXPECT_EQ(g_script.calls, (std::vector<std::uint16_t>{DD_FN_COMPARE}));
}

TEST_F(DeviceOperationsTest, EveryCommandSendsItsFunctionCodeWithSubfunctionZero) {
    settings.conformation = 0;
    for (const CommandInfo& info : kCommands) {
        g_script.calls.clear();
        block.subfcode = 1;
        operations.run(info.command);
        EXPECT_EQ(g_script.calls, (std::vector<std::uint16_t>{info.funcode}));
        EXPECT_EQ(block.subfcode, 0);
        EXPECT_TRUE(operations.lastOutcome().ran);
        EXPECT_EQ(operations.lastOutcome().command, info.command);
    }
}

TEST_F(DeviceOperationsTest, ReadCountsOnlyTheLowEightBitsOfTheResult) {
    buffer.mark(2, 1);
    runWith(Command::Read, 0x100);
    EXPECT_EQ(mainEditor.markedCount(), 0u);  // marks cleared before the read
    EXPECT_TRUE(ui.statusMessages.empty());
    EXPECT_EQ(ui.pane(Pane::Message), "Ready");

    runWith(Command::Read, 0x1A5);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"Read error: A5"}));
    EXPECT_EQ(operations.lastOutcome().result, 0x1A5);
}

TEST_F(DeviceOperationsTest, ReadSetsThePaneAroundTheModuleCall) {
    runWith(Command::Read, 5);
    const std::vector<std::string> expected{"pane Message Reading ...", "focus take", "focus back",
                                            "status Read error: 5", "pane Message Ready"};
    EXPECT_EQ(ui.events, expected);
}

TEST_F(DeviceOperationsTest, CompareReportsTheWholeResultAndTheDifferenceCount) {
    runWith(Command::Compare, 0x100);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"Compare error: 100"}));
    EXPECT_TRUE(ui.boxes.empty());

    ui.statusMessages.clear();
    g_script.setErrdata = true;
    g_script.errdata = 3;
    runWith(Command::Compare, 0);
    EXPECT_TRUE(ui.statusMessages.empty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].style, DD_MB_OK);
    EXPECT_EQ(ui.boxes[0].text, "3 Errors");
    EXPECT_EQ(ui.pane(Pane::Message), "Ready");
}

TEST_F(DeviceOperationsTest, CompareKeepsTheMarksTheModuleSetsWhileItRuns) {
    buffer.mark(9, 1);  // left from an earlier compare
    g_script.marks = {1, 4};
    runWith(Command::Compare, 0);
    EXPECT_FALSE(mainEditor.marks[9]);
    EXPECT_TRUE(mainEditor.marks[1]);
    EXPECT_TRUE(mainEditor.marks[4]);
    EXPECT_EQ(mainEditor.markedCount(), 2u);
}

TEST_F(DeviceOperationsTest, ReadIdAfterACompareShowsTheLeftOverCount) {
    g_script.setErrdata = true;
    g_script.errdata = 5;
    runWith(Command::Compare, 0);
    ui.events.clear();
    g_script.setErrdata = false;  // this module leaves errdata alone on code 8
    runWith(Command::ReadId, DD_NOT_IMPLEMENTED);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "ID: 00000005");
    // The pane is not touched by Read ID.
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"focus take", "focus back", "box 0 ID: 00000005"}));
}

TEST_F(DeviceOperationsTest, BlankCheckTellsUnsupportedFromNotBlank) {
    g_script.setErraddr = true;
    g_script.erraddr = 0x1234;
    runWith(Command::BlankCheck, DD_NOT_IMPLEMENTED);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"FUNC NOT SUPPORT"}));
    EXPECT_TRUE(ui.boxes.empty());

    runWith(Command::BlankCheck, DD_BLANK_FAILED);
    EXPECT_EQ(ui.boxTexts(), (std::vector<std::string>{"Chip not blanked at 001234"}));
    EXPECT_EQ(ui.statusMessages.size(), 1u);

    runWith(Command::BlankCheck, 0);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.pane(Pane::Message), "Ready");
}

TEST_F(DeviceOperationsTest, EraseLockAndConfigurationReportTheirResults) {
    runWith(Command::Erase, 0x10);
    runWith(Command::Lock, 0x2B);
    runWith(Command::Configuration, 0x7);
    const std::vector<std::string> expected{"Erase error: 10", "Lock error: 2B",
                                            "Configuration error, code: 007"};
    EXPECT_EQ(ui.statusMessages, expected);
    runWith(Command::Erase, 0);
    runWith(Command::Configuration, 0);
    EXPECT_EQ(ui.statusMessages.size(), 3u);
}

TEST_F(DeviceOperationsTest, TestAndUnlockNeverReportAResult) {
    runWith(Command::Test, 0x1FF);
    EXPECT_EQ(ui.events.front(), "pane Message Testing ...");
    EXPECT_EQ(ui.events.back(), "pane Message Ready");
    runWith(Command::Unlock, 0x1FF);
    EXPECT_TRUE(ui.statusMessages.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DeviceOperationsTest, LockAndUnlockRefreshTheEditorsWithoutTouchingThePane) {
    int layouts = 0;
    buffer.setLayoutListener([&] { ++layouts; });
    for (Command command : {Command::Lock, Command::Unlock}) {
        const int attachesBefore = mainEditor.attachCount;
        buffer.mark(3, 1);
        ui.events.clear();
        runWith(command, 0);
        EXPECT_EQ(mainEditor.attachCount, attachesBefore + 1);
        EXPECT_EQ(mainEditor.data, buffer.data());
        EXPECT_EQ(mainEditor.markedCount(), 0u);
        for (const std::string& event : ui.events) {
            EXPECT_EQ(event.rfind("pane", 0), std::string::npos) << event;
        }
    }
    EXPECT_EQ(layouts, 2);
}

TEST_F(DeviceOperationsTest, ConfirmedWriteSendsTheOptionsOfTheSettings) {
    settings.forcewr = 0;
    settings.checkwr = 1;
    settings.testins = 0;
    runWith(Command::Write, 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].style, DD_MB_OKCANCEL);
    EXPECT_EQ(ui.boxes[0].text, "Are you sure?");
    EXPECT_EQ(g_script.calls, (std::vector<std::uint16_t>{DD_FN_WRITE}));
    EXPECT_EQ(g_script.options, (std::vector<std::uint8_t>{0, 1, 0}));
    EXPECT_EQ(ui.pane(Pane::Message), "Ready");
}

TEST_F(DeviceOperationsTest, WriteRefusedAtTheConfirmationSendsNothing) {
    ui.setPaneText(Pane::Message, "Ready for more");
    buffer.mark(2, 1);
    for (std::uint32_t answer : {DD_IDCANCEL, DD_IDNO}) {
        ui.boxAnswers = {answer};
        runWith(Command::Write, 0);
        EXPECT_TRUE(g_script.calls.empty());
        EXPECT_EQ(operations.lastOutcome().verdict, Verdict::NotConfirmed);
        EXPECT_EQ(ui.pane(Pane::Message), "Ready for more");
    }
    // The marks went before the question was asked.
    EXPECT_EQ(mainEditor.markedCount(), 0u);
}

TEST_F(DeviceOperationsTest, ConfirmationFollowsTheLanguage) {
    operations.setLanguage(Language::Russian);
    ui.boxAnswers = {DD_IDCANCEL};
    runWith(Command::Write, 0);
    EXPECT_EQ(ui.boxTexts(), (std::vector<std::string>{"Вы уверены?"}));
}

TEST_F(DeviceOperationsTest, WriteWithoutConfirmationStartsAtOnce) {
    settings.conformation = 0;
    runWith(Command::Write, 0);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ui.events.front(), "pane Message Writing ...");
    EXPECT_EQ(g_script.calls.size(), 1u);
}

TEST_F(DeviceOperationsTest, WriteFailureShowsChipAndBufferBytes) {
    settings.conformation = 0;
    g_script.setErraddr = true;
    g_script.erraddr = 0x0C;
    g_script.setErrdata = true;
    g_script.errdata = 0x5A;
    runWith(Command::Write, DD_VERIFY_FAILED);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].style, DD_MB_ICONEXCLAMATION);
    EXPECT_EQ(ui.boxes[0].text,
              "Error Write 0105\r\nAddress:0000000C\r\n\r\nIC:         005A\r\nBUFFER:00AC");
    EXPECT_EQ(block.page, 0);
    EXPECT_EQ(ui.pane(Pane::Message), "Ready");
}

TEST_F(DeviceOperationsTest, WriteFailureBeyondTheBufferShowsErasedByteAndSecondPage) {
    settings.conformation = 0;
    g_script.setErraddr = true;
    g_script.erraddr = 0x40000;
    g_script.setErrdata = true;
    g_script.errdata = 0;
    runWith(Command::Write, DD_VERIFY_FAILED);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              "Error Write 0105\r\nAddress:00040000\r\n\r\nIC:         0000\r\nBUFFER:00FF");
    EXPECT_EQ(block.page, 1);

    // At the chip's size exactly the address is not beyond it.
    g_script.erraddr = 16;
    runWith(Command::Write, DD_VERIFY_FAILED);
    EXPECT_EQ(block.page, 0);
}

// After the fault message nothing of the call block is a result: a count or
// an identifier left by an earlier call must not show as this call's.
TEST_F(DeviceOperationsTest, AfterAModuleFaultNoConclusionIsDrawnAndThePaneIsReady) {
    block.errdata = 5;  // left by an earlier compare
    g_script.fault = true;
    for (Command command : {Command::Compare, Command::ReadId, Command::Read, Command::Write}) {
        SCOPED_TRACE(static_cast<int>(command));
        settings.conformation = 0;
        ui.boxes.clear();
        ui.setPaneText(Pane::Message, "Ready");
        const OperationOutcome& outcome = operations.run(command);
        EXPECT_EQ(outcome.verdict, Verdict::ModuleFault);
        EXPECT_EQ(outcome.moduleFault, platform::FaultKind::Segmentation);
        EXPECT_FALSE(outcome.ran);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text.rfind("DMAIN ERROR", 0), 0u);
        EXPECT_EQ(ui.pane(Pane::Message), "Ready");
    }
    EXPECT_TRUE(ui.statusMessages.empty());
}

// The module returned success, but on a board whose driver faulted while it
// powered up: the result is not to be trusted.
TEST_F(DeviceOperationsTest, ADriverFaultMakesASuccessfulResultAFailure) {
    caller.watchDriverFaults(&targets.driverFaults);
    targets.driverVoltage = [](std::int32_t, std::int32_t, std::int32_t) -> std::uint32_t {
        throw std::runtime_error("port gone");
    };
    g_script.powerUp = true;
    const OperationOutcome& outcome = operations.run(Command::Read);
    EXPECT_EQ(outcome.verdict, Verdict::DriverFault);
    EXPECT_EQ(outcome.driverFault, platform::FaultKind::CxxException);
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(ui.statusMessages, (std::vector<std::string>{"voltage ERR"}));
}

TEST_F(DeviceOperationsTest, OutcomesCarryTheResultAndTheFieldsOfTheCall) {
    g_script.setErraddr = true;
    g_script.erraddr = 0x1234;
    g_script.setErrdata = true;
    g_script.errdata = 2;
    const OperationOutcome& compared = operations.run(Command::Compare);
    EXPECT_EQ(compared.verdict, Verdict::FailedChipUnchanged);
    EXPECT_EQ(compared.erraddr, 0x1234u);
    EXPECT_EQ(compared.errdata, 2u);

    settings.conformation = 0;
    runWith(Command::Write, DD_VERIFY_FAILED);
    EXPECT_EQ(operations.lastOutcome().verdict, Verdict::FailedChipChanged);
    EXPECT_EQ(operations.lastOutcome().result, DD_VERIFY_FAILED);

    runWith(Command::BlankCheck, DD_NOT_IMPLEMENTED);
    EXPECT_EQ(operations.lastOutcome().verdict, Verdict::NotSupported);
}

// A chip whose image could not be set up gets no operation, enabled or not,
// and the status line says why instead of the module's silence.
TEST_F(DeviceOperationsTest, WithoutAnImageNothingIsSentAndTheCauseIsShown) {
    block.size = 0;
    buffer.SetBuffers();
    block.funcs[DD_FN_ERASE] = 0;
    ui.events.clear();
    for (const CommandInfo& info : kCommands) {
        SCOPED_TRACE(info.key);
        EXPECT_EQ(operations.refusal(info.command), Verdict::NoImage);
        EXPECT_EQ(operations.run(info.command).verdict, Verdict::NoImage);
    }
    EXPECT_TRUE(g_script.calls.empty());
    EXPECT_EQ(ui.statusTexts(),
              std::vector<std::string>(kCommands.size(), "No image: the chip's size is 0"));

    block.size = 16;
    buffer.SetBuffers();
    EXPECT_EQ(operations.refusal(Command::Read), std::nullopt);
    EXPECT_EQ(operations.refusal(Command::Erase), Verdict::NotSupported);
}

// A module call while another runs (a GUI pumping events inside a module's
// message box) does nothing, not even the pane.
TEST_F(DeviceOperationsTest, NothingRunsWhileAnotherModuleCallDoes) {
    static DeviceOperations* s_operations = nullptr;
    static OperationOutcome s_nested;
    s_operations = &operations;
    caller.setEntry([](dlldata* called) -> std::int32_t {
        s_nested = s_operations->run(Command::Erase);
        return called->funcode == DD_FN_READ ? 0 : 1;
    });
    ui.events.clear();
    const OperationOutcome& read = operations.run(Command::Read);
    EXPECT_EQ(read.verdict, Verdict::Success);
    // The refusal is an outcome of its own: the running one keeps its command.
    EXPECT_EQ(read.command, Command::Read);
    EXPECT_EQ(s_nested.verdict, Verdict::Refused);
    EXPECT_EQ(s_nested.command, Command::Erase);
    EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "pane Message Erasing ..."), 0);
}

}  // namespace
}  // namespace veldrix
