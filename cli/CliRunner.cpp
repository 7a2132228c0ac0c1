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
                               .collectBoxes = options.json,
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
                env_.out << helpText();
                return ExitCode::Success;
            case CliCommand::Version:
                env_.out << versionText();
                return ExitCode::Success;
            case CliCommand::Families:
                return listFamilies();
            case CliCommand::Digest:
                if (!options_.file.empty()) {
                    return showFileDigests(options_.file, output_);
                }
                [[fallthrough]];
            default:
                return runWithEngine(options_, openStore(), env_.baseDirectory, ui_, output_);
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
        output_.print(
            familyListing(options_.family.value_or(store.settings().general.hardware & 3u)));
        return ExitCode::Success;
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
        return toInt(ExitCode::Usage);
    }
    Session session(*parsed.options, env);
    return session.run();
}

}  // namespace veldrix::cli
