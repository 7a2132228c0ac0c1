#pragma once
// A settings store on an INI file in a fresh temporary directory, which is
// also the base directory for module roots and driver paths.

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "core/HardwareFamilies.h"
#include "core/SettingsStore.h"

namespace veldrix::test {

inline constexpr ScreenSize kScreen{1920, 1080};

class SettingsFixture : public ::testing::Test {
protected:
    TempDir dir;

    [[nodiscard]] std::string iniPath() const { return dir.file("VELDRIX.conf"); }
    void writeIni(const std::string& text) const { dir.write("VELDRIX.conf", text); }
    [[nodiscard]] std::string iniText() const { return TempDir::read(iniPath()); }

    [[nodiscard]] SettingsStore open() const {
        return SettingsStore::openFile(QString::fromStdString(iniPath()), dir.path());
    }
    // What a fresh store reads with mode 0.
    [[nodiscard]] ProgramSettings readGeneral(ScreenSize screen = kScreen) const {
        SettingsStore store = open();
        store.readGeneral(screen);
        return store.settings();
    }
    // What a fresh store reads with mode 1 for the family.
    [[nodiscard]] FamilySettings readFamily(const HardwareFamily& family) const {
        SettingsStore store = open();
        store.readFamily(family);
        return store.family();
    }
};

// Rows of the family table by directory name.
inline const HardwareFamily& tessaro() {
    return hardwareFamily(1);
}
inline const HardwareFamily& zenta() {
    return hardwareFamily(2);
}

}  // namespace veldrix::test
