#include "EngineSession.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ChipKeys.h"
#include "CommandTable.h"
#include "DeviceCommand.h"
#include "EngineListings.h"
#include "SelfTestCommand.h"
#include "SettingsSaveExit.h"
#include "SimulatedFaultOption.h"
#include "TerminalUserInterface.h"
#include "UnrestoredChoices.h"
#include "WriteOptionOverride.h"
#include "core/Application.h"
#include "core/HardwareFamilies.h"
#include "platform/FaultGuard.h"

namespace veldrix::cli {
namespace {

class EngineSession {
public:
    EngineSession(Application& app, const CliOptions& options, TerminalUserInterface& ui,
                  CommandOutput& output)
        : app_(app), options_(options), ui_(ui), output_(output) {}

    // A choice named on the command line that the engine could not make is
    // an error: going on with another module or chip would act on the wrong
    // part.
    ExitCode checkChoices() {
        // Whatever the command, a driver that faulted at its start is not to
        // be worked with.
        if (app_.driver().initFault() != platform::FaultKind::None) {
            return output_.fail(ExitCode::NoHardware,
                                std::string("the programmer driver failed at its start (") +
                                    platform::faultName(app_.driver().initFault()) + ", " +
                                    app_.driverPath().string() + ")");
        }
        if (options_.driver && !app_.driver().bound()) {
            return output_.fail(ExitCode::NoHardware,
                                "no usable driver (" + app_.driverPath().string() + ")");
        }
        // The program itself replaces a module root that is no directory by
        // its default when it reads the settings.
        std::error_code error;
        if (options_.moduleRoot && !std::filesystem::is_directory(app_.moduleRoot(), error)) {
            return output_.fail(ExitCode::NoHardware,
                                "no module directory " + app_.moduleRoot().string());
        }
        const SelectionRestore& restore = app_.restoredSelection();
        if (options_.port && !restore.port.exact()) {
            return output_.fail(ExitCode::NoHardware, "no port '" + *options_.port + "'");
        }
        if (options_.module && !restore.module.exact()) {
            return output_.fail(ExitCode::NoHardware, "no chip module '" + *options_.module +
                                                          "' in " + familyModuleDirectory());
        }
        // A chip is looked for in the module asked for only.
        if (options_.chip && restore.module.exact() && !restore.chip.exact()) {
            return output_.fail(
                ExitCode::NoHardware,
                "no chip '" + *options_.chip + "' in module '" + restore.module.taken + "'");
        }
        return ExitCode::Success;
    }

    // The remembered port, module or chip that something else stood in for
    // is not what the user chose: a command that touches the chip refuses
    // to work on the stand-in, and the self-test on a stand-in port; a
    // listing goes on and says what stood in.
    ExitCode checkRememberedChoices() {
        const bool touchesChip = commandRow(options_.command).operation.has_value();
        const bool testsBoard = options_.command == CliCommand::SelfTest;
        std::string why;
        for (const UnrestoredChoice& choice :
             unrestoredChoices(app_.restoredSelection(), familyModuleDirectory())) {
            if (touchesChip || (testsBoard && choice.part == ChoicePart::Port)) {
                why +=
                    (why.empty() ? "" : "; ") + choice.missing + " (give " + choice.options + ")";
            } else if (!choice.nothingRemembered) {
                output_.warn(choice.missing + "; " +
                             (choice.standIn.empty() ? "nothing" : "'" + choice.standIn + "'") +
                             " stands in for it");
            }
        }
        return why.empty() ? ExitCode::Success : output_.fail(ExitCode::NoHardware, why);
    }

    ExitCode runCommand() {
        switch (options_.command) {
            case CliCommand::Ports:
                output_.print(
                    portListing(app_.ports(), hardwareFamily(app_.familyIndex()).portmask));
                return ExitCode::Success;
            case CliCommand::Modules:
                output_.print(
                    moduleListing(app_.modules().moduleNames(), app_.modules().savedModule()));
                return ExitCode::Success;
            case CliCommand::Chips:
                if (app_.modules().moduleNames().empty()) {
                    return output_.fail(ExitCode::NoHardware,
                                        "no chip module in " + familyModuleDirectory());
                }
                output_.print(chipListing(app_.catalog()));
                return ExitCode::Success;
            case CliCommand::SelfTest:
                // The board is tested whatever chip, if any, is chosen.
                if (ExitCode code = requireDriver(); code != ExitCode::Success) {
                    return code;
                }
                if (ExitCode code = injectAskedFault(app_, options_, output_);
                    code != ExitCode::Success) {
                    return code;
                }
                return runSelfTest(app_, output_);
            default:
                break;
        }
        if (ExitCode code = requireChip(); code != ExitCode::Success) {
            return code;
        }
        if (ExitCode code = applyChipKeys(app_, options_, output_); code != ExitCode::Success) {
            return code;
        }
        if (options_.command == CliCommand::Keys) {
            return showChipKeys(app_, output_);
        }
        return runDeviceCommand(app_, options_, ui_, output_);
    }

private:
    [[nodiscard]] std::string familyModuleDirectory() const {
        return (app_.moduleRoot() / hardwareFamily(app_.familyIndex()).dir).string();
    }

    ExitCode requireDriver() {
        if (!app_.driver().bound()) {
            return output_.fail(ExitCode::NoHardware,
                                "no usable driver (" + app_.driverPath().string() + ")");
        }
        return ExitCode::Success;
    }

    ExitCode requireChip() {
        if (ExitCode code = requireDriver(); code != ExitCode::Success) {
            return code;
        }
        if (app_.callBlock().hmodule == nullptr) {
            return output_.fail(ExitCode::NoHardware,
                                "no chip module loaded from " + familyModuleDirectory());
        }
        if (app_.modules().appliedChip() == nullptr) {
            return output_.fail(ExitCode::NoHardware, "no chip selected in module '" +
                                                          app_.modules().savedModule() + "'");
        }
        return ExitCode::Success;
    }

    Application& app_;
    const CliOptions& options_;
    TerminalUserInterface& ui_;
    CommandOutput& output_;
};

StartChoices startChoicesOf(const CliOptions& options) {
    StartChoices choices;
    choices.family = options.family;
    choices.moduleRoot = options.moduleRoot;
    choices.driver = options.driver;
    choices.port = options.port;
    choices.module = options.module;
    choices.chip = options.chip;
    return choices;
}

}  // namespace

ExitCode runWithEngine(const CliOptions& options, SettingsStore store,
                       const std::filesystem::path& baseDirectory, TerminalUserInterface& ui,
                       CommandOutput& output) {
    // A terminal shows every status message at once, in order: none waits
    // behind another, and an operation's messages come before its verdict.
    Application app(ui, std::move(store), baseDirectory, StatusDelivery::Immediate);
    if (!app.start(startChoicesOf(options))) {
        return output.fail(ExitCode::NoHardware, "the program's call block layout does not match");
    }
    ui.setLanguage(app.settings().settings().main.language);
    EngineSession session(app, options, ui, output);
    const ExitCode choiceMade = session.checkChoices();
    if (choiceMade != ExitCode::Success) {
        app.closeWithoutSaving();
        return choiceMade;
    }
    ExitCode code = session.checkRememberedChoices();
    if (code == ExitCode::Success) {
        WriteOptionOverride writeOptions(app.settings().settings().general, options);
        code = session.runCommand();
    }
    // The choices made are remembered; a stand-in for one never is.
    app.closeKeepingAskedSelection();
    return exitAfterSavingSettings(code, app.takeSettingsWriteFailure(), output);
}

}  // namespace veldrix::cli
