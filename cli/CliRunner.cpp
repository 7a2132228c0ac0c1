#include "CliRunner.h"

#include <QString>
#include <cstdint>
#include <ostream>

#include "CliHelp.h"
#include "CliOptions.h"
#include "CommandOutput.h"
#include "Digests.h"
#include "EngineListings.h"
#include "EngineSession.h"
#include "ExitCode.h"
#include "SettingsFileCheck.h"
#include "SettingsSaveExit.h"
#include "TerminalUserInterface.h"
#include "core/SettingsStore.h"

namespace veldrix::cli {
namespace {

// One parsed command line: picks what runs the command.
class Session {
public:
    Session(const CliOptions& options, const CliEnvironment& env)
        : options_(options),
          env_(env),
          ui_(env.out, env.err, env.in,
              TerminalSettings{.progressBar = env.errorIsTerminal,
                               .canPrompt = env.inputIsTerminal,
                               .assumeYes = options.yes,
                               .collectResults = options.json,
                               .columns = env.columns > 0 ? env.columns : 80}),
          output_(env.out, env.err, options.json) {}

    int run() {
        const ExitCode code = dispatch();
        output_.finish(options_.command, code, ui_);
        return toInt(code);
    }

private:
    ExitCode dispatch() {
        switch (options_.command) {
            case CliCommand::Help:
                return showText("help", helpText());
            case CliCommand::Version:
                return showText("version", versionText());
            case CliCommand::Digest:
                if (!options_.file.empty()) {
                    return showFileDigests(options_.file, options_.format, output_);
                }
                break;
            default:
                break;
        }
        // Everything else reads the settings and may write them back.
        if (options_.settingsFile) {
            if (const auto problem = settingsFileProblem(*options_.settingsFile)) {
                return output_.fail(ExitCode::FileError, *problem);
            }
        }
        if (options_.command == CliCommand::Families) {
            return listFamilies();
        }
        return runWithEngine(options_, openStore(), env_.baseDirectory, ui_, output_);
    }

    // With --json the text is a field of the result, so that standard
    // output stays one JSON document.
    ExitCode showText(const char* field, const std::string& text) {
        if (options_.json) {
            output_.set(field, QString::fromStdString(text).trimmed());
        } else {
            env_.out << text << std::flush;
        }
        return ExitCode::Success;
    }

    SettingsStore openStore() {
        if (options_.settingsFile) {
            return SettingsStore::openFile(QString::fromStdString(*options_.settingsFile),
                                           env_.baseDirectory);
        }
        return SettingsStore::openUserStore(env_.baseDirectory);
    }

    // Remembers a family choice like every other command, and so makes a
    // settings file that is missing.
    ExitCode listFamilies() {
        SettingsStore store = openStore();
        store.readGeneral({INT32_MAX, INT32_MAX});
        unsigned& family = store.settings().general.hardware;
        family = options_.family.value_or(family) & 3u;
        output_.print(familyListing(family));
        store.writeGeneral();
        return exitAfterSavingSettings(ExitCode::Success, store.writeFailure(), output_);
    }

    const CliOptions& options_;
    const CliEnvironment& env_;
    TerminalUserInterface ui_;
    CommandOutput output_;
};

}  // namespace

int runCli(const std::vector<std::string>& arguments, const CliEnvironment& env) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.options) {
        env.err << "veldrix-cli: " << parsed.error << "\nTry 'veldrix-cli --help'.\n" << std::flush;
        if (parsed.json) {
            CommandOutput(env.out, env.err, true).printUsageError(parsed.error);
        }
        return toInt(ExitCode::Usage);
    }
    Session session(*parsed.options, env);
    return session.run();
}

}  // namespace veldrix::cli
