#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <vector>

#include "RecordingUserInterface.h"
#include "core/CallBlock.h"
#include "core/CallbackTargets.h"
#include "core/ModuleCaller.h"

namespace veldrix {
namespace {

std::vector<std::uint16_t> g_funcodes;

extern "C" std::int32_t returnsSeven(dlldata* block) {
    g_funcodes.push_back(block->funcode);
    return 7;
}
extern "C" std::int32_t damagesSizeAndSignature(dlldata* block) {
    block->_size = 0x100;
    block->signature = 0x12345678;
    return 3;
}
extern "C" std::int32_t segfaultsWithProgressOpen(dlldata* block) {
    block->progress(0, DD_PROGRESS_OPEN);
    std::raise(SIGSEGV);
    return 1;
}
extern "C" std::int32_t throwsAnException(dlldata*) {
    throw std::runtime_error("module bug");
}
extern "C" std::int32_t leavesProgressAtFiftyPercent(dlldata* block) {
    block->progress(static_cast<std::int32_t>(block->size / 2), DD_PROGRESS_SET);
    return 0;
}
// A level-7 module that (wrongly) sets its flags while identifying.
extern "C" std::int32_t level7FlagsAtIdentify(dlldata* block) {
    if (block->funcode == DD_FN_IDENTIFY) {
        block->version = 7;
        block->funcs[DD_FN_READ] = 1;
        block->funcs[DD_FN_WRITE] = 1;
    }
    return 0;
}
extern "C" std::int32_t level6FlagsAtIdentify(dlldata* block) {
    if (block->funcode == DD_FN_IDENTIFY) {
        block->version = 6;
        block->funcs[DD_FN_READ] = 1;
    }
    return 0;
}
struct IdentifyView {
    std::uint32_t eeplen, eepofs, extlen, extofs;
    bool anyFlag;
    const void* keys;
    const char* about;
    std::uint16_t subfcode;
};
IdentifyView g_identifyView;
extern "C" std::int32_t recordsWhatIdentifySees(dlldata* block) {
    if (block->funcode == DD_FN_IDENTIFY) {
        bool anyFlag = false;
        for (std::uint16_t flag : block->funcs) {
            anyFlag = anyFlag || flag != 0;
        }
        g_identifyView = {block->eeplen, block->eepofs, block->extlen, block->extofs,
                          anyFlag,       block->keys,   block->about,  block->subfcode};
    }
    g_funcodes.push_back(block->funcode);
    return 0;
}

// A module whose progress report lets the user interface run a second call,
// as a GUI pumping events may.
ModuleCaller* g_reentered = nullptr;
CallOutcome g_nestedOutcome;
extern "C" std::int32_t callsAgainFromInside(dlldata* block) {
    g_funcodes.push_back(block->funcode);
    g_nestedOutcome = g_reentered->run(DD_FN_ERASE);
    return 4;
}
extern "C" std::uint32_t busFaultingVoltage(std::int32_t, std::int32_t, std::int32_t) {
    std::raise(SIGBUS);
    return 0;
}
extern "C" std::int32_t powersTheBoard(dlldata* block) {
    block->voltage(50, 125, 0);
    return 0;
}

class ModuleCallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_funcodes.clear();
        stampCallBlock(block);
        fillCallBlockCallbacks(block, targets);
        block.hmodule = &block;  // any non-null handle: "a module is loaded"
    }

    dlldata block{};
    test::RecordingUserInterface ui;
    ProgressService progress{block, ui};
    CallbackTargets targets{&ui, &progress, nullptr, nullptr};
    ModuleCaller caller{block, ui, progress};
};

TEST_F(ModuleCallerTest, WithoutEntryTheCallIsRefusedYieldsZeroAndStillHandlesFocus) {
    const CallOutcome outcome = caller.run(DD_FN_READ);
    EXPECT_TRUE(outcome.refused());
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"focus take", "focus back"}));
}

TEST_F(ModuleCallerTest, PassesTheModulesResultAndSetsTheCode) {
    caller.setEntry(returnsSeven);
    block.subfcode = 1;
    const CallOutcome outcome = caller.run(DD_FN_WRITE);
    EXPECT_TRUE(outcome.ran());
    EXPECT_EQ(outcome.result, 7);
    EXPECT_EQ(outcome.fault, platform::FaultKind::None);
    EXPECT_EQ(block.subfcode, 0);
    EXPECT_EQ(g_funcodes, (std::vector<std::uint16_t>{DD_FN_WRITE}));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(caller.lastCallFaulted());
}

TEST_F(ModuleCallerTest, DamagedRecordIsReportedButTheResultStands) {
    caller.setEntry(damagesSizeAndSignature);
    const CallOutcome outcome = caller.run(DD_FN_READ);
    EXPECT_TRUE(outcome.ran());
    EXPECT_EQ(outcome.result, 3);
    EXPECT_EQ(ui.boxTexts(), (std::vector<std::string>{"dlldata._size not OK [0x0100]",
                                                       "dlldata.signature != 'Qf9w'"}));
}

TEST_F(ModuleCallerTest, ProcessorFaultIsReportedWithCodesAndPort) {
    caller.setEntry(segfaultsWithProgressOpen);
    caller.setPortAddressSource([] { return std::uint16_t{0x378}; });
    block.size = 100;
    for (int attempt = 0; attempt < 2; ++attempt) {
        ui.events.clear();
        ui.boxes.clear();
        const CallOutcome outcome = caller.run(DD_FN_BLANK_CHECK);
        EXPECT_TRUE(outcome.faulted());
        EXPECT_EQ(outcome.fault, platform::FaultKind::Segmentation);
        EXPECT_EQ(outcome.result, 0);
        EXPECT_TRUE(caller.lastCallFaulted());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text,
                  "DMAIN ERROR\n\ndlldata.funcode = 0x04\ndlldata.subfcode = 0x00\nport = 0x378");
        EXPECT_EQ(ui.boxes[0].style, 0u);
        // Focus is back and the progress window gone before the message shows.
        EXPECT_EQ(ui.events,
                  (std::vector<std::string>{"focus take", "progress open 100", "focus back",
                                            "progress close", "box 0 " + ui.boxes[0].text}));
        EXPECT_FALSE(progress.isOpen());
        EXPECT_FALSE(caller.busy());
    }
    // The next call that returns clears the fault.
    caller.setEntry(returnsSeven);
    EXPECT_TRUE(caller.run(DD_FN_READ).ran());
    EXPECT_FALSE(caller.lastCallFaulted());
}

TEST_F(ModuleCallerTest, ExceptionIsReportedLikeAFaultWithPortZeroByDefault) {
    caller.setEntry(throwsAnException);
    block.subfcode = 0;
    const CallOutcome outcome = caller.run(DD_FN_READ_ID);
    EXPECT_TRUE(outcome.faulted());
    EXPECT_EQ(outcome.fault, platform::FaultKind::CxxException);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              "DMAIN ERROR\n\ndlldata.funcode = 0x08\ndlldata.subfcode = 0x00\nport = 0x000");
}

// A second call while one runs would enter a module that is not reentrant:
// it is refused without touching the call block, and the first goes on.
TEST_F(ModuleCallerTest, ACallWhileAnotherRunsIsRefused) {
    g_reentered = &caller;
    caller.setEntry(callsAgainFromInside);
    EXPECT_FALSE(caller.busy());
    const CallOutcome outer = caller.run(DD_FN_READ);
    EXPECT_TRUE(g_nestedOutcome.refused());
    EXPECT_TRUE(outer.ran());
    EXPECT_EQ(outer.result, 4);
    EXPECT_EQ(g_funcodes, (std::vector<std::uint16_t>{DD_FN_READ}));
    EXPECT_EQ(block.funcode, DD_FN_READ);
    EXPECT_EQ(caller.lastOutcome().result, 4);
    EXPECT_FALSE(caller.busy());
}

TEST_F(ModuleCallerTest, ADriverFaultDuringTheCallIsPartOfItsOutcome) {
    DriverFaultLog& log = targets.driverFaults;
    caller.watchDriverFaults(&log);
    caller.setEntry(powersTheBoard);
    targets.driverVoltage = busFaultingVoltage;
    const CallOutcome faulted = caller.run(DD_FN_WRITE);
    EXPECT_TRUE(faulted.ran());
    EXPECT_TRUE(faulted.driverFaulted());
    EXPECT_EQ(faulted.driverFault, platform::FaultKind::BusError);
    // Only the call the fault happened in carries it.
    targets.driverVoltage = nullptr;
    EXPECT_FALSE(caller.run(DD_FN_WRITE).driverFaulted());
}

TEST_F(ModuleCallerTest, ProgressLeftOpenIsClosedAfterTheCall) {
    caller.setEntry(leavesProgressAtFiftyPercent);
    block.bits = 8;
    block.size = 1000;
    EXPECT_EQ(caller.run(DD_FN_READ).result, 0);
    EXPECT_EQ(ui.progressPercent, 50);
    EXPECT_FALSE(ui.progressOpen);
    EXPECT_FALSE(progress.isOpen());
}

TEST_F(ModuleCallerTest, IdentifyStartsFromClearedFieldsThenSelects) {
    block.eeplen = block.eepofs = block.extlen = block.extofs = 9;
    block.funcs[DD_FN_COMPARE] = 1;
    block.keys = reinterpret_cast<CfgKey*>(&block);
    block.about = "stale";
    block.subfcode = 1;
    caller.setEntry(recordsWhatIdentifySees);
    int handle = 0;
    caller.identifyAndSelect(&handle);
    EXPECT_EQ(block.hmodule, &handle);
    EXPECT_EQ(g_identifyView.eeplen + g_identifyView.eepofs + g_identifyView.extlen +
                  g_identifyView.extofs,
              0u);
    EXPECT_FALSE(g_identifyView.anyFlag);
    EXPECT_EQ(g_identifyView.keys, nullptr);
    EXPECT_EQ(g_identifyView.about, nullptr);
    EXPECT_EQ(g_identifyView.subfcode, 0);
    EXPECT_EQ(g_funcodes, (std::vector<std::uint16_t>{DD_FN_IDENTIFY, DD_FN_SELECT}));
}

TEST_F(ModuleCallerTest, LevelSevenFlagsSetAtIdentifyAreCleared) {
    caller.setEntry(level7FlagsAtIdentify);
    int handle = 0;
    caller.identifyAndSelect(&handle);
    for (std::uint16_t flag : block.funcs) {
        EXPECT_EQ(flag, 0);
    }
}

TEST_F(ModuleCallerTest, LevelSixFlagsSurviveIdentifyAndChipSelection) {
    caller.setEntry(level6FlagsAtIdentify);
    int handle = 0;
    caller.identifyAndSelect(&handle);
    EXPECT_EQ(block.funcs[DD_FN_READ], 1);
    caller.selectChip();
    EXPECT_EQ(block.funcs[DD_FN_READ], 1);
}

TEST_F(ModuleCallerTest, ChipSelectionPreparesBlankPageAndCode) {
    caller.setEntry(returnsSeven);
    block.version = 7;
    block.funcs[DD_FN_BLANK_CHECK] = 1;
    block.blank = 0;
    block.page = 255;
    caller.selectChip();
    EXPECT_EQ(block.blank, 0xFFu);
    EXPECT_EQ(block.page, 0);
    EXPECT_EQ(block.funcs[DD_FN_BLANK_CHECK], 0);
    EXPECT_EQ(g_funcodes, (std::vector<std::uint16_t>{DD_FN_SELECT}));
}

TEST_F(ModuleCallerTest, WithoutModuleFlagsAreClearedWhateverTheLevel) {
    block.hmodule = nullptr;
    block.version = 1;
    block.funcs[DD_FN_READ] = 1;
    caller.selectChip();
    EXPECT_EQ(block.funcs[DD_FN_READ], 0);
}

}  // namespace
}  // namespace veldrix
