#pragma once
// The engine with the drivers and modules of the build tree, a recording
// user interface, an INI settings file and the simulated board's contents in
// a temporary directory.

#include <gtest/gtest.h>
#include <QSettings>

#include <algorithm>
#include <memory>
#include <string>

#include "RecordingUserInterface.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "core/Application.h"

namespace veldrix::test {

inline constexpr unsigned kTessaro = 1;
inline constexpr unsigned kHoltan = 3;

class SimulatedApplication : public ::testing::Test {
protected:
    std::unique_ptr<Application> makeApplication(
        StatusDelivery delivery = StatusDelivery::PendingSlot) {
        return std::make_unique<Application>(
            ui_, SettingsStore::openFile(QString::fromStdString(ini()), VELDRIX_TEST_BASE_DIR),
            VELDRIX_TEST_BASE_DIR, delivery);
    }

    // Starts on the simulated board with calypso's 64 KB chip.
    std::unique_ptr<Application> startOnSimulator(
        StatusDelivery delivery = StatusDelivery::PendingSlot) {
        auto app = makeApplication(delivery);
        StartChoices choices;
        choices.family = kTessaro;
        choices.port = "SIM";
        choices.module = "calypso";
        choices.chip = "W27C512";
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

    TempDir dir_;
    ScopedEnvironment simDir_{"VELDRIX_SIM_DIR", dir_.file("sim").c_str()};
    RecordingUserInterface ui_;
};

}  // namespace veldrix::test
