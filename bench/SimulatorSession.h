#pragma once
// Settings that restore the Tessaro family on the simulated board with a
// calypso chip, in a temporary directory that also keeps the simulated
// chips' contents, so a benchmark neither reads nor changes the user's own.

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>

#include "core/SettingsStore.h"

namespace veldrix::bench {

class SimulatorSession {
public:
    // The build tree, laid out like an installation.
    static inline const std::filesystem::path kBaseDirectory = VELDRIX_BENCH_BASE_DIR;

    explicit SimulatorSession(const char* chip) {
        setenv("VELDRIX_SIM_DIR", QString(dir_.path() + "/sim").toLocal8Bit().constData(), 1);
        QSettings settings(iniPath(), QSettings::IniFormat);
        settings.setValue("General/hardware", 1);
        settings.setValue("Hardware/tessaro/port", "SIM");
        settings.setValue("Hardware/tessaro/lastmodule", "calypso");
        settings.setValue("Hardware/tessaro/lastchip", chip);
    }

    [[nodiscard]] SettingsStore store() const {
        return SettingsStore::openFile(iniPath(), kBaseDirectory);
    }

private:
    [[nodiscard]] QString iniPath() const { return dir_.path() + "/settings.ini"; }

    QTemporaryDir dir_;
};

}  // namespace veldrix::bench
