#pragma once
// An Application on a build tree laid out as an installation (its drivers
// and modules), with a recording user interface, an INI settings file, and
// the simulated board's contents, all in a temporary directory.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "RecordingUserInterface.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "core/Application.h"

namespace veldrix::test {

class ApplicationRig {
public:
    static constexpr unsigned kTessaro = 1;

    explicit ApplicationRig(std::filesystem::path baseDirectory)
        : baseDirectory_(std::move(baseDirectory)) {}

    std::unique_ptr<Application> makeApplication(
        StatusDelivery delivery = StatusDelivery::PendingSlot) {
        return std::make_unique<Application>(
            ui_, SettingsStore::openFile(QString::fromStdString(ini()), baseDirectory_),
            baseDirectory_, delivery);
    }

    // Starts the Tessaro family on the simulated board with `module`'s `chip`.
    std::unique_ptr<Application> startOnSimulator(
        StatusDelivery delivery = StatusDelivery::PendingSlot,
        const std::string& module = "calypso", const std::string& chip = "W27C512") {
        auto app = makeApplication(delivery);
        StartChoices choices;
        choices.family = kTessaro;
        choices.port = "SIM";
        choices.module = module;
        choices.chip = chip;
        EXPECT_TRUE(app->start(choices));
        return app;
    }

    [[nodiscard]] std::string ini() const { return dir_.file("settings.ini"); }
    [[nodiscard]] QVariant stored(const char* key) const {
        QSettings settings(QString::fromStdString(ini()), QSettings::IniFormat);
        return settings.value(key);
    }
    void store(const char* key, const QString& value) const {
        QSettings settings(QString::fromStdString(ini()), QSettings::IniFormat);
        settings.setValue(key, value);
    }

    [[nodiscard]] bool statusShown(const std::string& text) const {
        const auto& shown = ui_.statusMessages;
        return std::find(shown.begin(), shown.end(), text) != shown.end();
    }

protected:
    std::filesystem::path baseDirectory_;
    TempDir dir_;
    ScopedEnvironment simDir_{"VELDRIX_SIM_DIR", dir_.file("sim").c_str()};
    RecordingUserInterface ui_;
};

}  // namespace veldrix::test
