#include "SelfTestCommand.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <ostream>
#include <string>

#include "core/Application.h"
#include "core/BoardSelfTest.h"

namespace veldrix::cli {
namespace {

const char* checkWord(CheckState state) {
    switch (state) {
        case CheckState::Passed:
            return "pass";
        case CheckState::Failed:
            return "fail";
        case CheckState::Unknown:
            break;
    }
    return "unknown";
}

const char* voltageWord(VoltageStepState state) {
    switch (state) {
        case VoltageStepState::Passed:
            return "pass";
        case VoltageStepState::Faulted:
            return "fail";
        case VoltageStepState::Skipped:
            break;
    }
    return "not run";
}

QJsonObject reportJson(const BoardSelfTestReport& report) {
    QJsonArray checks;
    for (const PresenceCheck& check : report.checks) {
        QJsonObject entry;
        entry.insert("number", static_cast<int>(check.number));
        entry.insert("name", QString::fromStdString(check.name));
        entry.insert("result", checkWord(check.state));
        checks.append(entry);
    }
    QJsonObject json;
    json.insert("checks", checks);
    json.insert("voltage", voltageWord(report.voltage));
    if (report.initFault != platform::FaultKind::None) {
        json.insert("initFault", platform::faultName(report.initFault));
    }
    if (report.voltageFault != platform::FaultKind::None) {
        json.insert("voltageFault", platform::faultName(report.voltageFault));
    }
    json.insert("passed", report.passed());
    return json;
}

}  // namespace

ExitCode runSelfTest(Application& app, CommandOutput& output) {
    const BoardSelfTestReport report = app.testBoard();
    if (report.start != SelfTestStart::Ran) {
        std::string why = formatSelfTestReport(report);
        why.pop_back();  // the line's end; fail() ends the line itself
        return output.fail(ExitCode::NoHardware, why);
    }
    if (output.json()) {
        output.set("selfTest", reportJson(report));
    } else {
        output.text() << formatSelfTestReport(report) << std::flush;
    }
    return report.passed() ? ExitCode::Success : ExitCode::FailedChipUnchanged;
}

}  // namespace veldrix::cli
