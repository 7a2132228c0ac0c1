#include "CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <istream>
#include <optional>
#include <ostream>
#include <system_error>

#include "CliHelp.h"
#include "CliOptions.h"
#include "CompareReport.h"
#include "EngineListings.h"
#include "ExitCode.h"
#include "OperationExit.h"
#include "TerminalUserInterface.h"
#include "buffer/BufferFiles.h"
#include "buffer/BufferTools.h"
#include "core/Application.h"
#include "core/HardwareFamilies.h"
#include "core/SimulatorControl.h"

namespace veldrix::cli {
namespace {

// Differences of a compare listed with their bytes; the count covers all.
constexpr std::size_t kReportedDifferences = 8;

// The guarded module call's message after a fault inside the module.
constexpr std::string_view kModuleFaultPrefix = "DMAIN ERROR";

// The short-read warning of loading a file smaller than the chip.
constexpr std::string_view kShortReadPrefix = "Error reading ";

Command deviceCommand(CliCommand command) {
    switch (command) {
        case CliCommand::Read:
        case CliCommand::Digest:
            return Command::Read;
        case CliCommand::Write:
            return Command::Write;
        case CliCommand::Compare:
            return Command::Compare;
        case CliCommand::Blank:
            return Command::BlankCheck;
        case CliCommand::Erase:
            return Command::Erase;
        case CliCommand::Id:
            return Command::ReadId;
        case CliCommand::Test:
            return Command::Test;
        case CliCommand::Lock:
            return Command::Lock;
        case CliCommand::Unlock:
            return Command::Unlock;
        default:
            return Command::Configuration;
    }
}

QJsonArray toJson(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(QString::fromStdString(terminalText(text)));
    }
    return array;
}

// The write options of one run, put back before the settings are written.
class WriteOptionOverride {
public:
    WriteOptionOverride(GeneralSettings& general, const CliOptions& options)
        : general_(general), saved_(general) {
        const auto apply = [](std::uint8_t& field, std::optional<bool> value) {
            if (value) {
                field = *value ? 1 : 0;
            }
        };
        apply(general.forcewr, options.forceWrite);
        apply(general.checkwr, options.checkWrite);
        apply(general.testins, options.testInsert);
    }
    ~WriteOptionOverride() {
        general_.forcewr = saved_.forcewr;
        general_.checkwr = saved_.checkwr;
        general_.testins = saved_.testins;
    }
    WriteOptionOverride(const WriteOptionOverride&) = delete;
    WriteOptionOverride& operator=(const WriteOptionOverride&) = delete;

private:
    GeneralSettings& general_;
    const GeneralSettings saved_;
};

class Session {
public:
    Session(const CliOptions& options, const CliEnvironment& env)
        : options_(options),
          env_(env),
          ui_(env.out, env.err, env.in,
              TerminalSettings{.progressBar = env.errorIsTerminal,
                               .canPrompt = env.inputIsTerminal,
                               .assumeYes = options.yes,
                               .collectBoxes = options.json,
                               .columns = env.columns > 0 ? env.columns : 80}) {}

    int run() {
        ExitCode code = dispatch();
        if (options_.json && !jsonPrinted_) {
            result_.insert("command", commandWord(options_.command));
            result_.insert("exitCode", toInt(code));
            result_.insert("messages", toJson(ui_.boxTexts()));
            result_.insert("status", toJson(ui_.statusTexts()));
            printJson(QJsonDocument(result_));
        }
        return toInt(code);
    }

private:
    ExitCode dispatch() {
        switch (options_.command) {
            case CliCommand::Help:
                env_.out << helpText();
                return ExitCode::Success;
            case CliCommand::Version:
                env_.out << versionText();
                return ExitCode::Success;
            case CliCommand::Families:
                return listFamilies();
            case CliCommand::Digest:
                if (!options_.file.empty()) {
                    return digestFile();
                }
                return withEngine();
            default:
                return withEngine();
        }
    }

    ExitCode fail(ExitCode code, const std::string& why) {
        env_.err << "veldrix-cli: " << why << '\n' << std::flush;
        if (options_.json) {
            result_.insert("error", QString::fromStdString(why));
        }
        return code;
    }

    void printJson(const QJsonDocument& document) {
        env_.out << document.toJson(QJsonDocument::Indented).toStdString() << std::flush;
        jsonPrinted_ = true;
    }

    void print(const Listing& listing) {
        if (options_.json) {
            printJson(QJsonDocument(listing.json()));
        } else {
            env_.out << listing.table() << std::flush;
        }
    }

    SettingsStore openStore() {
        if (options_.settingsFile) {
            return SettingsStore::openFile(QString::fromStdString(*options_.settingsFile),
                                           env_.baseDirectory);
        }
        return SettingsStore::openUserStore(env_.baseDirectory);
    }

    ExitCode listFamilies() {
        SettingsStore store = openStore();
        store.readGeneral({INT32_MAX, INT32_MAX});
        print(familyListing(options_.family.value_or(store.settings().general.hardware & 3u)));
        return ExitCode::Success;
    }

    // The digests of a file on its own: an image of the file's length.
    ExitCode digestFile() {
        std::error_code error;
        const auto length = std::filesystem::file_size(options_.file, error);
        if (error || length == 0 || length > DataBuffer::kMaxLength) {
            return fail(ExitCode::FileError,
                        "cannot take the digests of '" + options_.file +
                            "': " + (error ? error.message() : "empty or too large"));
        }
        dlldata block{};
        block.size = static_cast<std::uint32_t>(length);
        block.blank = 0xFF;
        DataBuffer buffer(block);
        buffer.SetBuffers();
        const FileCommandResult loaded = LoadBufferFile(buffer, options_.file);
        if (!loaded.fileNameTaken || !loaded.messages.empty()) {
            for (const UserMessage& message : loaded.messages) {
                env_.err << message.text << '\n';
            }
            return fail(ExitCode::FileError, "cannot read '" + options_.file + "'");
        }
        showDigests(buffer);
        return ExitCode::Success;
    }

    void showDigests(const DataBuffer& buffer) {
        QJsonArray texts;
        for (const auto& digest :
             {BufferCheckSum(buffer), BufferCrc32(buffer), BufferMd5(buffer)}) {
            if (!digest) {
                continue;
            }
            texts.append(QString::fromStdString(*digest));
            if (!options_.json) {
                env_.out << *digest << '\n';
            }
        }
        env_.out << std::flush;
        result_.insert("digests", texts);
    }

    ExitCode withEngine() {
        Application app(ui_, openStore(), env_.baseDirectory);
        StartChoices choices;
        choices.family = options_.family;
        choices.moduleRoot = options_.moduleRoot;
        choices.driver = options_.driver;
        choices.port = options_.port;
        choices.module = options_.module;
        choices.chip = options_.chip;
        if (!app.start(choices)) {
            return fail(ExitCode::NoHardware, "the program's call block layout does not match");
        }
        const ExitCode choiceMade = checkChoices(app);
        ExitCode code = choiceMade;
        if (choiceMade == ExitCode::Success) {
            WriteOptionOverride writeOptions(app.settings().settings().general, options_);
            code = engineCommand(app);
        }
        // Every status message is out before the result is printed.
        app.statusService().drain();
        app.statusService().stop();
        if (choiceMade == ExitCode::Success) {
            app.close();
        } else {
            app.closeWithoutSaving();
        }
        return code;
    }

    ExitCode engineCommand(Application& app) {
        switch (options_.command) {
            case CliCommand::Ports:
                print(portListing(app.ports()));
                return ExitCode::Success;
            case CliCommand::Modules:
                print(moduleListing(app.modules().moduleNames(), app.modules().savedModule()));
                return ExitCode::Success;
            case CliCommand::Chips:
                if (app.modules().moduleNames().empty()) {
                    return fail(ExitCode::NoHardware,
                                "no chip module in " + familyModuleDirectory(app));
                }
                print(chipListing(app.catalog()));
                return ExitCode::Success;
            default:
                break;
        }
        if (ExitCode code = requireChip(app); code != ExitCode::Success) {
            return code;
        }
        if (ExitCode code = applyKeys(app); code != ExitCode::Success) {
            return code;
        }
        if (options_.command == CliCommand::Keys) {
            return showKeys(app);
        }
        return operate(app);
    }

    std::string familyModuleDirectory(Application& app) const {
        return (app.moduleRoot() / hardwareFamily(app.familyIndex()).dir).string();
    }

    // A choice named on the command line that the engine could not make is
    // an error: going on with another module or chip would act on the wrong
    // part.
    ExitCode checkChoices(Application& app) {
        if (options_.port && app.portName() != *options_.port) {
            return fail(ExitCode::NoHardware, "no port '" + *options_.port + "'");
        }
        if (options_.module && app.modules().savedModule() != *options_.module) {
            return fail(ExitCode::NoHardware, "no chip module '" + *options_.module + "' in " +
                                                  familyModuleDirectory(app));
        }
        if (options_.chip && app.modules().savedChip() != *options_.chip) {
            return fail(ExitCode::NoHardware, "no chip '" + *options_.chip + "' in module '" +
                                                  app.modules().savedModule() + "'");
        }
        return ExitCode::Success;
    }

    ExitCode requireChip(Application& app) {
        if (!app.driver().bound()) {
            return fail(ExitCode::NoHardware,
                        "no usable driver (" + app.driverPath().string() + ")");
        }
        if (app.callBlock().hmodule == nullptr) {
            return fail(ExitCode::NoHardware,
                        "no chip module loaded from " + familyModuleDirectory(app));
        }
        if (app.modules().appliedChip() == nullptr) {
            return fail(ExitCode::NoHardware,
                        "no chip selected in module '" + app.modules().savedModule() + "'");
        }
        return ExitCode::Success;
    }

    // --algorithm and --key, as the Advanced Options dialog applies them.
    ExitCode applyKeys(Application& app) {
        if (!options_.algorithm && options_.keys.empty()) {
            return ExitCode::Success;
        }
        AdvancedOptions dialog(app.callBlock(), app.moduleCaller(), app.catalog(),
                               app.modules().algorithmKeys());
        if (!dialog.open(app.modules().appliedChip())) {
            return fail(ExitCode::Usage, "the chip has no write algorithms or keys to set");
        }
        if (options_.algorithm) {
            const auto& items = dialog.algorithmItems();
            std::optional<std::size_t> found;
            for (std::size_t item = 0; item < items.size(); ++item) {
                if (items[item].number == *options_.algorithm) {
                    found = item;
                }
            }
            if (!found) {
                dialog.cancel();
                return fail(ExitCode::Usage, "the chip has no write algorithm " +
                                                 std::to_string(*options_.algorithm));
            }
            dialog.chooseAlgorithm(*found);
        }
        for (const auto& [name, value] : options_.keys) {
            std::optional<std::size_t> found;
            const auto& rows = dialog.rows();
            for (std::size_t row = 0; row < rows.size(); ++row) {
                if (!rows[row].algorithmList && keyNameOf(rows[row]) == name) {
                    found = row;
                }
            }
            if (!found || !dialog.setEditText(*found, value)) {
                dialog.cancel();
                return fail(ExitCode::Usage,
                            "the chip has no editable configuration key '" + name + "'");
            }
        }
        dialog.accept();
        return ExitCode::Success;
    }

    ExitCode showKeys(Application& app) {
        AdvancedOptions dialog(app.callBlock(), app.moduleCaller(), app.catalog(),
                               app.modules().algorithmKeys());
        if (!dialog.open(app.modules().appliedChip())) {
            return fail(ExitCode::FailedChipUnchanged, "the module publishes no keys");
        }
        const Listing algorithms = algorithmListing(dialog);
        const Listing keys = keyListing(dialog);
        dialog.cancel();
        if (options_.json) {
            QJsonObject object;
            object.insert("algorithm", app.callBlock().wralg);
            object.insert("algorithms", algorithms.json());
            object.insert("keys", keys.json());
            printJson(QJsonDocument(object));
        } else {
            env_.out << "Write algorithm " << int{app.callBlock().wralg} << "\n\n"
                     << algorithms.table() << '\n'
                     << keys.table() << std::flush;
        }
        return ExitCode::Success;
    }

    // Shows a file command's messages as the program does.
    void show(Application& app, const std::vector<UserMessage>& messages) {
        for (const UserMessage& message : messages) {
            if (message.channel == MessageChannel::Box) {
                ui_.messageBox(DD_MB_OK, message.text);
            } else {
                app.callBlock().status("%s", message.text.c_str());
            }
        }
    }

    ExitCode loadFile(Application& app) {
        const FileCommandResult loaded = LoadBufferFile(app.buffer(), options_.file);
        show(app, loaded.messages);
        bool fatal = !loaded.fileNameTaken;
        for (const UserMessage& message : loaded.messages) {
            // A file shorter than the chip leaves the rest at the fill value.
            fatal = fatal || !message.text.starts_with(kShortReadPrefix);
        }
        return fatal ? fail(ExitCode::FileError, "cannot read '" + options_.file + "'")
                     : ExitCode::Success;
    }

    ExitCode saveFile(Application& app) {
        const FileCommandResult saved = SaveBufferFile(app.buffer(), options_.file);
        show(app, saved.messages);
        if (!saved.fileNameTaken || !saved.messages.empty()) {
            return fail(ExitCode::FileError, "cannot write '" + options_.file + "'");
        }
        return ExitCode::Success;
    }

    ExitCode injectFault(Application& app) {
        if (!options_.simStuckBit) {
            return ExitCode::Success;
        }
        const SimulatorControl* simulator = app.driver().simulator();
        if (simulator == nullptr || !app.ports().simulatorSelected()) {
            return fail(ExitCode::Usage, "--sim-fault needs the SIM port");
        }
        const SimulatedStuckBit& fault = *options_.simStuckBit;
        if (simulator->faultStuckBit(fault.address, fault.bit, fault.level) != VXSIM_OK) {
            return fail(ExitCode::Usage, "--sim-fault: no such cell in the simulated chip");
        }
        return ExitCode::Success;
    }

    [[nodiscard]] bool moduleFaultSince(std::size_t boxes) const {
        const std::vector<std::string> texts = ui_.boxTexts();
        for (std::size_t i = boxes; i < texts.size(); ++i) {
            if (texts[i].starts_with(kModuleFaultPrefix)) {
                return true;
            }
        }
        return false;
    }

    ExitCode operate(Application& app) {
        const Command command = deviceCommand(options_.command);
        if (!app.operations().enabled(command)) {
            return fail(ExitCode::FailedChipUnchanged, std::string("the module cannot ") +
                                                           commandWord(options_.command) +
                                                           " chip " + app.modules().savedChip());
        }
        std::vector<std::uint8_t> fileImage;
        if (options_.command == CliCommand::Write || options_.command == CliCommand::Compare) {
            if (ExitCode code = loadFile(app); code != ExitCode::Success) {
                return code;
            }
            const DataBuffer& buffer = app.buffer();
            fileImage.assign(buffer.data(), buffer.data() + buffer.length());
        }
        if (ExitCode code = injectFault(app); code != ExitCode::Success) {
            return code;
        }

        const std::size_t boxesBefore = ui_.boxTexts().size();
        ui_.setBoxesAreResults(true);
        app.operations().run(command);
        ui_.setBoxesAreResults(false);
        const DeviceOperations::Outcome& outcome = app.operations().lastOutcome();
        const OperationResult result{outcome.sent, outcome.result, app.callBlock().errdata,
                                     moduleFaultSince(boxesBefore)};
        const CliCommand asked =
            options_.command == CliCommand::Digest ? CliCommand::Read : options_.command;
        ExitCode code = exitCodeFor(asked, result);
        result_.insert("result", outcome.result);
        if (code == ExitCode::NotConfirmed) {
            return fail(code, "not written: the write was not confirmed");
        }
        if (result.moduleFault) {
            return fail(code, "the chip module failed");
        }
        switch (options_.command) {
            case CliCommand::Read:
                return code == ExitCode::Success ? saveFile(app) : code;
            case CliCommand::Digest:
                if (code == ExitCode::Success) {
                    showDigests(app.buffer());
                }
                return code;
            case CliCommand::Compare:
                if (code != ExitCode::Success) {
                    reportDifferences(app, fileImage);
                }
                return code;
            case CliCommand::Id:
                result_.insert("id", static_cast<qint64>(app.callBlock().errdata));
                return code;
            default:
                return code;
        }
    }

    // Reads the chip into the buffer (the module's read, without the
    // handler's texts) and lists where it differs from the file.
    void reportDifferences(Application& app, const std::vector<std::uint8_t>& fileImage) {
        if ((app.moduleCaller().run(commandInfo(Command::Read).funcode) & 0xFF) != 0) {
            return;
        }
        const DataBuffer& buffer = app.buffer();
        const CompareReport report =
            compareImages({buffer.data(), buffer.length()}, fileImage, kReportedDifferences);
        if (!options_.json) {
            env_.out << formatCompareReport(report) << std::flush;
            return;
        }
        QJsonArray first;
        for (const Difference& difference : report.first) {
            QJsonObject entry;
            entry.insert("address", static_cast<qint64>(difference.address));
            entry.insert("chip", difference.chip);
            entry.insert("file", difference.file);
            first.append(entry);
        }
        result_.insert("differences", static_cast<qint64>(report.count));
        result_.insert("firstDifferences", first);
    }

    const CliOptions& options_;
    const CliEnvironment& env_;
    TerminalUserInterface ui_;
    QJsonObject result_;
    bool jsonPrinted_ = false;
};

}  // namespace

int runCli(const std::vector<std::string>& arguments, const CliEnvironment& env) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.options) {
        env.err << "veldrix-cli: " << parsed.error << "\nTry 'veldrix-cli --help'.\n" << std::flush;
        return toInt(ExitCode::Usage);
    }
    Session session(*parsed.options, env);
    return session.run();
}

}  // namespace veldrix::cli
