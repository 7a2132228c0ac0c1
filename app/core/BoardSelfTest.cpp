#include "core/BoardSelfTest.h"

#include <algorithm>

namespace veldrix {

namespace {

const char* stateText(CheckState state) {
    switch (state) {
        case CheckState::Passed:
            return "pass";
        case CheckState::Failed:
            return "FAIL";
        case CheckState::Unknown:
            break;
    }
    return "unknown";
}

std::string voltageText(const BoardSelfTestReport& report) {
    switch (report.voltage) {
        case VoltageStepState::Passed:
            return "pass";
        case VoltageStepState::Faulted:
            return std::string("FAIL (the driver faulted: ") +
                   platform::faultName(report.voltageFault) + ")";
        case VoltageStepState::Skipped:
            break;
    }
    return report.initAnswer == 0u ? "not run" : "not run (the board did not pass every check)";
}

}  // namespace

bool BoardSelfTestReport::passed() const noexcept {
    const bool allChecks = std::all_of(checks.begin(), checks.end(), [](const PresenceCheck& c) {
        return c.state == CheckState::Passed;
    });
    return start == SelfTestStart::Ran && allChecks && voltage == VoltageStepState::Passed;
}

BoardSelfTestReport runBoardSelfTest(DriverBinding& driver) {
    BoardSelfTestReport report;
    if (!driver.bound()) {
        return report;
    }
    report.start = SelfTestStart::Ran;
    report.initAnswer = driver.runInit();
    report.initFault = driver.initFault();
    report.checks = presenceChecks(report.initAnswer);
    if (report.initAnswer != 0u) {
        return report;
    }
    const auto up = driver.applyVoltages(kSelfTestVcc, kSelfTestVpp, kSelfTestVid);
    const auto down = driver.applyVoltages(0, 0, 0);
    if (!up || !down) {
        return report;
    }
    report.voltageFault = *up != platform::FaultKind::None ? *up : *down;
    report.voltage = report.voltageFault == platform::FaultKind::None ? VoltageStepState::Passed
                                                                      : VoltageStepState::Faulted;
    return report;
}

std::string formatSelfTestReport(const BoardSelfTestReport& report) {
    switch (report.start) {
        case SelfTestStart::NoDriver:
            return "Self-test not run: no programmer driver is bound\n";
        case SelfTestStart::Busy:
            return "Self-test not run: a chip operation is running\n";
        case SelfTestStart::Ran:
            break;
    }
    std::string text;
    if (report.initFault != platform::FaultKind::None) {
        text += std::string("  the driver's init faulted (") +
                platform::faultName(report.initFault) + ")\n";
    }
    for (const PresenceCheck& check : report.checks) {
        text += "  " + std::to_string(check.number) + ". " + check.name + ": " +
                stateText(check.state) + "\n";
    }
    text += "  voltage latch up and down: " + voltageText(report) + "\n";
    text += report.passed() ? "Self-test passed\n" : "Self-test failed\n";
    return text;
}

}  // namespace veldrix
