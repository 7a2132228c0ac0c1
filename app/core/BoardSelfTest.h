#pragma once
// The board self-test: the bound driver's presence checks run again on the
// chosen port, each reported by name, then the voltage latch set to working
// voltages and back to idle. What it found is a value; the front ends show
// it and decide their exit status from passed().

#include <cstdint>
#include <string>

#include "core/DriverBinding.h"
#include "core/PresenceCheckResults.h"
#include "platform/FaultGuard.h"

namespace veldrix {

enum class SelfTestStart {
    Ran,
    NoDriver,  // no driver with every export is bound
    Busy,      // a module call holds the board
};

enum class VoltageStepState {
    Passed,   // the driver took both voltage settings
    Faulted,  // the driver's voltage faulted
    Skipped,  // not tried: the board did not answer every check, so whatever
              // is on the port gets no voltage bytes
};

struct BoardSelfTestReport {
    SelfTestStart start = SelfTestStart::NoDriver;
    // init()'s answer; nothing when it faulted or did not run.
    std::optional<std::uint32_t> initAnswer;
    platform::FaultKind initFault = platform::FaultKind::None;
    PresenceChecks checks = presenceChecks(std::nullopt);
    VoltageStepState voltage = VoltageStepState::Skipped;
    platform::FaultKind voltageFault = platform::FaultKind::None;

    // Every check and the voltage step passed.
    [[nodiscard]] bool passed() const noexcept;
};

// The working voltages of the step up, in tenths of a volt: 5.0 V supply,
// 12.5 V programming, 12.0 V identification. The step down selects 0 for
// each, the idle byte the reset writes.
inline constexpr std::uint32_t kSelfTestVcc = 50;
inline constexpr std::uint32_t kSelfTestVpp = 125;
inline constexpr std::uint32_t kSelfTestVid = 120;

// Runs on `driver` as it is bound, on its chosen port. Ready for a module
// afterwards: a board that passed has been reset by its init.
[[nodiscard]] BoardSelfTestReport runBoardSelfTest(DriverBinding& driver);

// One line a check ("  data register loop-back (0x88): pass"), the voltage
// step, and a last line "Self-test passed" or "Self-test failed"; a test
// that could not start is one line saying why.
[[nodiscard]] std::string formatSelfTestReport(const BoardSelfTestReport& report);

}  // namespace veldrix
