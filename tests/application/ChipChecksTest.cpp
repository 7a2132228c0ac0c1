// The checks beyond the chip operations, on the simulated board through the
// real driver and calypso: the board self-test, read verification and the
// compare report, each shown to catch the fault the simulator is given.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ApplicationRig.h"
#include "RandomImage.h"
#include "core/SimulatedFault.h"
#include "vxsim.h"

namespace veldrix {
namespace {

using test::randomImage;

constexpr unsigned kHoltan = 3;

class ChipChecksTest : public ::testing::Test, public test::ApplicationRig {
protected:
    ChipChecksTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {}

    void SetUp() override {
        app = startOnSimulator(StatusDelivery::Immediate);
        simulator = app->driver().simulator();
        ASSERT_NE(simulator, nullptr);
    }

    void inject(const char* fault) {
        const auto parsed = parseSimulatedFault(fault);
        ASSERT_TRUE(parsed) << fault;
        ASSERT_EQ(injectSimulatedFault(*simulator, *parsed), VXSIM_OK) << fault;
    }

    // `image` into the chip's cells, and into the buffer as the expected image.
    void chipAndBufferHold(const std::vector<std::uint8_t>& image) {
        ASSERT_EQ(simulator->write(0, image.data(), static_cast<std::uint32_t>(image.size())),
                  VXSIM_OK);
        ASSERT_EQ(app->buffer().length(), image.size());
        std::copy(image.begin(), image.end(), app->buffer().data());
    }

    [[nodiscard]] std::vector<std::uint8_t> bufferBytes() const {
        const DataBuffer& buffer = app->buffer();
        return {buffer.data(), buffer.data() + buffer.length()};
    }

    [[nodiscard]] static std::vector<CheckState> states(const BoardSelfTestReport& report) {
        std::vector<CheckState> found;
        for (const PresenceCheck& check : report.checks) {
            found.push_back(check.state);
        }
        return found;
    }

    std::unique_ptr<Application> app;
    const SimulatorControl* simulator = nullptr;
};

constexpr CheckState kPass = CheckState::Passed;
constexpr CheckState kFail = CheckState::Failed;
constexpr CheckState kUnknown = CheckState::Unknown;

TEST_F(ChipChecksTest, SelfTestPassesOnTheSimulatedBoardAndWorksTheVoltageLatch) {
    const std::string trace = dir_.file("selftest.trace");
    ASSERT_EQ(simulator->traceOpen(trace.c_str()), VXSIM_OK);
    const BoardSelfTestReport report = app->testBoard();
    ASSERT_EQ(simulator->traceClose(), VXSIM_OK);

    EXPECT_EQ(report.start, SelfTestStart::Ran);
    EXPECT_EQ(report.initAnswer, 0u);
    EXPECT_EQ(states(report), std::vector<CheckState>(8, kPass));
    EXPECT_EQ(report.voltage, VoltageStepState::Passed);
    EXPECT_TRUE(report.passed());
    // Up to 5.0 V, 12.5 V and 12.0 V, then back to the idle byte.
    const std::string written = test::TempDir::read(trace);
    const auto up = written.find(" W 03 D8");
    ASSERT_NE(up, std::string::npos) << written;
    EXPECT_NE(written.find(" W 03 CF", up), std::string::npos) << written;
}

TEST_F(ChipChecksTest, SelfTestOfAnAbsentBoardFailsAllButThePortsLoopBackAndLeavesTheLatch) {
    inject("absent");
    const BoardSelfTestReport report = app->testBoard();
    EXPECT_EQ(report.initAnswer, 0x17Fu);
    EXPECT_EQ(states(report),
              (std::vector<CheckState>{kPass, kFail, kFail, kFail, kFail, kFail, kFail, kFail}));
    EXPECT_EQ(report.voltage, VoltageStepState::Skipped);
    EXPECT_FALSE(report.passed());

    ASSERT_EQ(simulator->clearFaults(), VXSIM_OK);
    EXPECT_TRUE(app->testBoard().passed());
}

TEST_F(ChipChecksTest, SelfTestWithAStuckStatusLineFailsExactlyTheChecksThatReadIt) {
    inject("statusline:6:1");
    BoardSelfTestReport report = app->testBoard();
    EXPECT_EQ(states(report),
              (std::vector<CheckState>{kPass, kPass, kFail, kPass, kPass, kPass, kPass, kPass}));
    EXPECT_FALSE(report.passed());

    ASSERT_EQ(simulator->clearFaults(), VXSIM_OK);
    inject("statusline:3:1");
    report = app->testBoard();
    EXPECT_EQ(states(report),
              (std::vector<CheckState>{kPass, kPass, kPass, kFail, kFail, kFail, kFail, kFail}));
}

TEST_F(ChipChecksTest, SelfTestOfADriverThatKeepsItsMaskToItselfKnowsNoSingleCheck) {
    store("Hardware/holtan/port", "SIM");
    app->selectFamily(kHoltan);
    simulator = app->driver().simulator();
    ASSERT_NE(simulator, nullptr);
    EXPECT_TRUE(app->testBoard().passed());

    inject("absent");
    const BoardSelfTestReport report = app->testBoard();
    EXPECT_EQ(report.initAnswer, 0x100u);
    EXPECT_EQ(states(report), std::vector<CheckState>(8, kUnknown));
    EXPECT_FALSE(report.passed());
}

TEST_F(ChipChecksTest, SoundChipReadsAlikeEveryTimeIntoTheBuffer) {
    const auto image = randomImage(65536, 3);
    ASSERT_EQ(simulator->write(0, image.data(), 65536), VXSIM_OK);
    const ReadVerification verification = app->verifyRead(3, 16);
    EXPECT_EQ(verification.check, ReadCheck::Stable);
    EXPECT_EQ(verification.reads, 3u);
    EXPECT_TRUE(verification.outcome.succeeded());
    EXPECT_EQ(verification.unstable.count, 0u);
    EXPECT_EQ(bufferBytes(), image);

    // One Read for the user, however many reads it took: one undo step.
    const std::vector<std::uint8_t> erased(65536, 0xFF);
    ASSERT_TRUE(app->history().undo());
    EXPECT_EQ(bufferBytes(), erased);
    EXPECT_FALSE(app->history().canUndo());
}

TEST_F(ChipChecksTest, IntermittentLineIsReportedAndTheBufferKeepsTheUsersImage) {
    const auto image = randomImage(65536, 4);
    const auto edited = randomImage(65536, 5);
    chipAndBufferHold(image);
    std::copy(edited.begin(), edited.end(), app->buffer().data());
    inject("intermittent:3:77");
    const ReadVerification verification = app->verifyRead(3, 16);

    EXPECT_EQ(verification.check, ReadCheck::Unstable);
    EXPECT_EQ(verification.reads, 3u);
    EXPECT_GT(verification.unstable.count, 16u);
    ASSERT_EQ(verification.unstable.listed.size(), 16u);
    for (const UnstableByte& byte : verification.unstable.listed) {
        ASSERT_EQ(byte.values.size(), 3u);
        for (const std::uint8_t value : byte.values) {
            EXPECT_EQ(value & ~0x08, image[byte.address] & ~0x08) << byte.address;
        }
    }
    EXPECT_EQ(bufferBytes(), edited);
    EXPECT_FALSE(app->history().canUndo()) << "nothing changed, nothing to undo";
    char first[32];
    std::snprintf(first, sizeof first, "Unstable read at %06X",
                  static_cast<unsigned>(verification.unstable.listed.front().address));
    EXPECT_TRUE(statusShown(first));

    // The same seed gives the same reads again.
    ASSERT_EQ(simulator->clearFaults(), VXSIM_OK);
    inject("intermittent:3:77");
    const ReadVerification again = app->verifyRead(3, 16);
    EXPECT_EQ(again.unstable.count, verification.unstable.count);
    EXPECT_EQ(again.unstable.listed, verification.unstable.listed);
}

TEST_F(ChipChecksTest, CancelledReadEndsTheVerificationWithoutAVerdictOnTheChip) {
    chipAndBufferHold(randomImage(65536, 6));
    ui_.cancelAnswers = {false, false, true};
    const ReadVerification verification = app->verifyRead(2, 16);
    EXPECT_EQ(verification.check, ReadCheck::NotFinished);
    EXPECT_TRUE(verification.outcome.cancelled);
    EXPECT_EQ(verification.reads, 0u);
}

TEST_F(ChipChecksTest, CompareReportNamesAStuckDataLineAndKeepsTheBuffer) {
    const auto image = randomImage(65536, 7);
    chipAndBufferHold(image);
    inject("dataline:3:0");
    const ChipComparison comparison = app->compareChipWithBuffer(16);
    EXPECT_EQ(comparison.readVerdict, Verdict::Success);
    ASSERT_TRUE(comparison.report);
    EXPECT_GT(comparison.report->count, 0u);
    ASSERT_TRUE(comparison.report->diagnosis);
    EXPECT_EQ(comparison.report->diagnosis->kind, FaultKind::DataLineStuck);
    EXPECT_EQ(comparison.report->diagnosis->line, 3u);
    EXPECT_EQ(comparison.report->diagnosis->level, 0u);
    EXPECT_EQ(bufferBytes(), image);
}

TEST_F(ChipChecksTest, CompareReportNamesAnAddressLineHeldAtALevel) {
    chipAndBufferHold(randomImage(65536, 8));
    inject("addrline:12:1");
    const ChipComparison comparison = app->compareChipWithBuffer(0);
    ASSERT_TRUE(comparison.report);
    EXPECT_EQ(comparison.report->listed.size(), comparison.report->count);
    ASSERT_TRUE(comparison.report->diagnosis);
    EXPECT_EQ(comparison.report->diagnosis->kind, FaultKind::AddressLineOpen);
    EXPECT_EQ(comparison.report->diagnosis->line, 12u);
    EXPECT_EQ(comparison.report->diagnosis->level, 1u);
}

TEST_F(ChipChecksTest, CompareReportOfASoundChipNamesNothing) {
    chipAndBufferHold(randomImage(65536, 9));
    const ChipComparison comparison = app->compareChipWithBuffer(16);
    ASSERT_TRUE(comparison.report);
    EXPECT_EQ(comparison.report->count, 0u);
    EXPECT_FALSE(comparison.report->diagnosis);
}

}  // namespace
}  // namespace veldrix
