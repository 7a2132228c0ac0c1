#pragma once
// Runs the built veldrix-cli as a separate program on the simulated board:
// the drivers and modules of the build tree, a settings file and chip
// contents in a temporary directory.

#include <gtest/gtest.h>
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>

#include "RandomImage.h"
#include "TempDir.h"

namespace veldrix::cli {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

using test::randomImage;

inline QString path(const std::string& name) {
    return QString::fromStdString(name);
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Standard output of a run with --json.
inline QJsonDocument jsonOf(const CliRun& run) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << "not JSON:\n" << run.out;
    return document;
}

// A chip of a module, for tests that run on more than one.
struct ModuleCase {
    const char* module;
    const char* chip;
    std::size_t size;
    bool erasable;  // blank check, erase and identifier are implemented; its
                    // cells only go from 1 to 0 when written
};

// Keeps test listings readable instead of dumping the record's bytes.
inline void PrintTo(const ModuleCase& c, std::ostream* out) {
    *out << c.module << " " << c.chip;
}

class CliEndToEnd : public ::testing::Test {
protected:
    // Starts veldrix-cli with the test's settings file and simulated chips.
    void start(QProcess& process, QStringList arguments) const {
        arguments.prepend(settingsPath());
        arguments.prepend("--settings");
        process.setProcessEnvironment(environment());
        process.start(VELDRIX_CLI_PATH, arguments);
        process.closeWriteChannel();  // standard input is no terminal
    }

    CliRun cli(QStringList arguments) const {
        QProcess process;
        start(process, std::move(arguments));
        return finished(process);
    }

    // Runs a bash script in which the function "cli" is veldrix-cli with the
    // test's settings file and simulated chips (for what only a shell
    // makes, such as a process substitution).
    CliRun shell(const QString& script) const {
        QProcessEnvironment environment = this->environment();
        environment.insert("VX_CLI", VELDRIX_CLI_PATH);
        environment.insert("VX_SETTINGS", settingsPath());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start("bash",
                      {"-c", R"(cli() { "$VX_CLI" --settings "$VX_SETTINGS" "$@"; }; )" + script});
        process.closeWriteChannel();
        return finished(process);
    }

    // Selects the SIM port, the module and the chip; they are remembered.
    CliRun select(const char* module, const char* chip) const {
        return cli({"--family", "tessaro", "--port", "SIM", "--module", module, "--chip", chip,
                    "modules"});
    }

    // Where the simulated chips keep their contents in later runs.
    void setSimDirectory(std::string directory) { simDirectory_ = std::move(directory); }

    std::string file(const std::string& name) const { return dir_.file(name); }
    std::string writeFile(const std::string& name, const std::string& bytes) const {
        return dir_.write(name, bytes);
    }
    static std::string readFile(const std::string& path) { return test::TempDir::read(path); }

private:
    [[nodiscard]] QString settingsPath() const {
        return QString::fromStdString(dir_.file("settings.ini"));
    }

    [[nodiscard]] QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VELDRIX_SIM_DIR", QString::fromStdString(simDirectory_));
        return environment;
    }

    static CliRun finished(QProcess& process) {
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "the program did not end normally";
            return {};
        }
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    test::TempDir dir_;
    std::string simDirectory_ = dir_.file("sim");
};

}  // namespace veldrix::cli
