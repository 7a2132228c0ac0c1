#pragma once
// What one veldrix-cli command reports: errors on standard error, listings
// and results on standard output; with --json, one JSON document instead.

#include <QJsonDocument>
#include <QJsonObject>
#include <iosfwd>
#include <string>

#include "CliOptions.h"
#include "ExitCode.h"
#include "Listing.h"

namespace veldrix::cli {

class TerminalUserInterface;

class CommandOutput {
public:
    CommandOutput(std::ostream& out, std::ostream& err, bool json)
        : out_(out), err_(err), json_(json) {}

    [[nodiscard]] bool json() const noexcept { return json_; }
    // Standard output, for the text of results without --json.
    [[nodiscard]] std::ostream& text() noexcept { return out_; }

    // Prints why on standard error, keeps it for the JSON result and returns code.
    ExitCode fail(ExitCode code, const std::string& why);
    // A text of the program on standard error, as it is.
    void note(const std::string& text);
    // Something the user should know that does not stop the command: on
    // standard error, and in the JSON result's "warnings".
    void warn(const std::string& text);
    // Without --json only: one line on standard output.
    void summary(const std::string& line);

    void print(const Listing& listing);
    // Prints a document that stands for the whole result.
    void printJson(const QJsonDocument& document);
    // Adds a field to the JSON result.
    void set(const QString& key, const QJsonValue& value);

    // With --json, the result of a command line that could not be parsed.
    void printUsageError(const std::string& why);

    // With --json, prints the result (command, exit code, the user
    // interface's messages and status texts) unless a document stood for it.
    void finish(CliCommand command, ExitCode code, const TerminalUserInterface& ui);

private:
    std::ostream& out_;
    std::ostream& err_;
    const bool json_;
    QJsonObject result_;
    bool documentPrinted_ = false;
};

}  // namespace veldrix::cli
