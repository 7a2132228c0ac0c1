#include "DeviceCommand.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "ChipReportJson.h"
#include "CommandTable.h"
#include "Digests.h"
#include "ImageFile.h"
#include "OperationExit.h"
#include "OperationSummary.h"
#include "SimulatedFaultOption.h"
#include "TerminalUserInterface.h"
#include "buffer/BufferAreas.h"
#include "buffer/CompareReportText.h"
#include "buffer/ImageSetUpFailure.h"
#include "buffer/ReadComparisonText.h"
#include "core/Application.h"
#include "core/SimulatorControl.h"
#include "platform/FaultGuard.h"
#include "platform/InterruptRequest.h"

namespace veldrix::cli {
namespace {

// While the module runs: its messages are results, and SIGINT or SIGTERM
// reaches it as a cancel through the progress window.
class OperationScope {
public:
    explicit OperationScope(TerminalUserInterface& ui) : ui_(ui) {
        ui_.setOperationRunning(true);
        ui_.setInterruptRequest(&interrupts_);
    }
    ~OperationScope() {
        ui_.setInterruptRequest(nullptr);
        ui_.setOperationRunning(false);
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

    [[nodiscard]] bool interrupted() const noexcept { return interrupts_.requested(); }

private:
    TerminalUserInterface& ui_;
    platform::InterruptRequest interrupts_;
};

class DeviceCommand {
public:
    DeviceCommand(Application& app, const CliOptions& options, TerminalUserInterface& ui,
                  CommandOutput& output)
        : app_(app), options_(options), ui_(ui), output_(output) {}

    ExitCode run() {
        const std::optional<Command> command = commandRow(options_.command).operation;
        if (!command) {
            return output_.fail(ExitCode::Usage, std::string("'") + commandWord(options_.command) +
                                                     "' is no chip operation");
        }
        if (const std::optional<Verdict> refused = app_.operations().refusal(*command)) {
            return refuse(*refused);
        }
        if (ExitCode code = prepare(); code != ExitCode::Success) {
            return code;
        }
        bool interrupted = false;
        OperationOutcome outcome;
        std::optional<ReadVerification> verification;
        {
            OperationScope scope(ui_);
            if (options_.verifyReads) {
                verification = app_.verifyRead(*options_.verifyReads, options_.maxDifferences);
                outcome = verification->outcome;
            } else {
                outcome = app_.operations().run(*command);
            }
            interrupted = scope.interrupted();
        }
        if (verification && verification->check == ReadCheck::Unstable && !interrupted) {
            return reportUnstableReads(*verification);
        }
        return report(outcome, interrupted);
    }

private:
    // An operation that sent nothing. Checked before the file is read too:
    // whether it can run does not depend on the file.
    ExitCode refuse(Verdict verdict) {
        const ExitCode code =
            exitCodeFor({.command = *commandRow(options_.command).operation, .verdict = verdict});
        switch (verdict) {
            case Verdict::NoImage:
                return output_.fail(code, noImageText(app_.buffer().setUpFailure()));
            case Verdict::NotSupported:
                return output_.fail(code, std::string("the module cannot ") +
                                              commandWord(options_.command) + " chip " +
                                              app_.modules().savedChip());
            default:
                return output_.fail(code, "the chip module could not be called");
        }
    }

    // The file to write or compare with, in the buffer; the simulated fault
    // asked for.
    ExitCode prepare() {
        if (options_.command == CliCommand::Write || options_.command == CliCommand::Compare) {
            if (ExitCode code = loadImageFile(app_, options_.file, options_.format, output_);
                code != ExitCode::Success) {
                return code;
            }
        }
        return injectAskedFault(app_, options_, output_);
    }

    ExitCode report(const OperationOutcome& outcome, bool interrupted) {
        const ExitCode code = exitCodeFor(outcome);
        output_.set("result", outcome.result);
        switch (outcome.verdict) {
            case Verdict::NotConfirmed:
                return output_.fail(code, "not written: the write was not confirmed");
            case Verdict::ModuleFault:
                return output_.fail(code, std::string("the chip module failed (") +
                                              platform::faultName(outcome.moduleFault) + ")");
            case Verdict::DriverFault:
                return output_.fail(code, std::string("the programmer driver failed (") +
                                              platform::faultName(outcome.driverFault) + ")");
            case Verdict::Refused:
            case Verdict::NoImage:
                return refuse(outcome.verdict);
            default:
                break;
        }
        // A cancelled module stops early and may still report success:
        // nothing it did stands for the whole chip.
        if (interrupted) {
            return output_.fail(ExitCode::Cancelled, "cancelled");
        }
        if (options_.command == CliCommand::Id && outcome.ran) {
            output_.set("id", static_cast<qint64>(outcome.errdata));
        }
        if (code != ExitCode::Success) {
            if (options_.command == CliCommand::Compare) {
                reportDifferences();
            }
            return code;
        }
        return finish();
    }

    // What a command that succeeded prints or saves.
    ExitCode finish() {
        if (changesChip(options_.command)) {
            if (ExitCode code = keepSimulatedChip(); code != ExitCode::Success) {
                return code;
            }
        }
        switch (options_.command) {
            case CliCommand::Read:
                if (ExitCode code = saveImageFile(app_, options_.file, options_.format, output_);
                    code != ExitCode::Success) {
                    return code;
                }
                break;
            case CliCommand::Digest:
                showDigests(app_.buffer(), output_);
                break;
            default:
                break;
        }
        const std::string line = successSummary(options_.command, imageBytes(), options_.file);
        if (!line.empty()) {
            output_.summary(line);
        }
        return ExitCode::Success;
    }

    // What a buffer file of the chip holds.
    [[nodiscard]] std::uint64_t imageBytes() {
        return std::min<std::uint64_t>(requiredImageLength(app_.callBlock()),
                                       app_.buffer().length());
    }

    // The simulated board keeps a changed chip in a file, written at the
    // latest when the driver unloads, where a failure can no longer be told.
    ExitCode keepSimulatedChip() {
        const SimulatorControl* simulator = app_.driver().simulator();
        if (simulator == nullptr || !app_.ports().simulatorSelected() ||
            simulator->save() != VXSIM_ERR_IO) {
            return ExitCode::Success;
        }
        return output_.fail(ExitCode::FileError,
                            "the simulated chip's contents cannot be saved: the simulator's "
                            "directory (VELDRIX_SIM_DIR) is not writable");
    }

    // Reads the chip aside and says where and how it differs from the file;
    // the buffer stays the file's image.
    void reportDifferences() {
        const ChipComparison comparison = app_.compareChipWithBuffer(options_.maxDifferences);
        if (!comparison.report) {
            return;
        }
        if (output_.json()) {
            setCompareReport(*comparison.report, output_);
        } else {
            output_.text() << formatCompareReport(*comparison.report) << std::flush;
        }
    }

    // Reads that differ stand for no image of the chip: nothing is saved.
    ExitCode reportUnstableReads(const ReadVerification& verification) {
        if (output_.json()) {
            setUnstableReads(verification.unstable, output_);
        } else {
            output_.text() << formatUnstableReads(verification.unstable) << std::flush;
        }
        return output_.fail(ExitCode::FailedChipUnchanged,
                            "the " + std::to_string(verification.reads) +
                                " reads differ: nothing saved to '" + options_.file + "'");
    }

    Application& app_;
    const CliOptions& options_;
    TerminalUserInterface& ui_;
    CommandOutput& output_;
};

}  // namespace

ExitCode runDeviceCommand(Application& app, const CliOptions& options, TerminalUserInterface& ui,
                          CommandOutput& output) {
    return DeviceCommand(app, options, ui, output).run();
}

}  // namespace veldrix::cli
