#include "CommandOutput.h"

#include <QJsonArray>
#include <QString>
#include <ostream>
#include <vector>

#include "TerminalUserInterface.h"

namespace veldrix::cli {
namespace {

QJsonArray toJson(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(QString::fromStdString(terminalText(text)));
    }
    return array;
}

}  // namespace

ExitCode CommandOutput::fail(ExitCode code, const std::string& why) {
    err_ << "veldrix-cli: " << why << '\n' << std::flush;
    if (json_) {
        result_.insert("error", QString::fromStdString(why));
    }
    return code;
}

void CommandOutput::note(const std::string& text) {
    err_ << text << '\n' << std::flush;
}

void CommandOutput::warn(const std::string& text) {
    err_ << "veldrix-cli: warning: " << text << '\n' << std::flush;
    if (json_) {
        QJsonArray warnings = result_.value("warnings").toArray();
        warnings.append(QString::fromStdString(text));
        result_.insert("warnings", warnings);
    }
}

void CommandOutput::summary(const std::string& line) {
    if (!json_) {
        out_ << line << '\n' << std::flush;
    }
}

void CommandOutput::print(const Listing& listing) {
    if (json_) {
        printJson(QJsonDocument(listing.json()));
    } else {
        out_ << listing.table() << std::flush;
    }
}

void CommandOutput::printJson(const QJsonDocument& document) {
    out_ << document.toJson(QJsonDocument::Indented).toStdString() << std::flush;
    documentPrinted_ = true;
}

void CommandOutput::set(const QString& key, const QJsonValue& value) {
    result_.insert(key, value);
}

void CommandOutput::printUsageError(const std::string& why) {
    if (!json_) {
        return;
    }
    result_.insert("error", QString::fromStdString(why));
    result_.insert("exitCode", toInt(ExitCode::Usage));
    printJson(QJsonDocument(result_));
}

void CommandOutput::finish(CliCommand command, ExitCode code, const TerminalUserInterface& ui) {
    if (!json_ || documentPrinted_) {
        return;
    }
    result_.insert("command", commandWord(command));
    result_.insert("exitCode", toInt(code));
    result_.insert("messages", toJson(ui.boxTexts()));
    result_.insert("status", toJson(ui.statusTexts()));
    printJson(QJsonDocument(result_));
}

}  // namespace veldrix::cli
