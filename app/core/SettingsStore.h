#pragma once
// The per-user settings store: general options, the hex editor's colours and
// font, the main window's place, and per hardware family the last port,
// module, chip and driver file.
//
// The store keeps the values in plain records (ProgramSettings.h) that the
// engine reads and changes freely; nothing reaches the backing store until a
// write mode runs. It touches nothing else: the engine copies forcewr,
// checkwr and testins into the call block, points the call block at the
// family row, releases the catalogue around mode 1, and so on.
//
// Usage:
//   auto store = SettingsStore::openUserStore();
//   store.readGeneral({1920, 1080});          // mode 0
//   store.readFamily(hardwareFamily(index));  // mode 1
//   ... store.settings().general.forcewr, store.family().driver ...
//   store.run(SettingsStore::kWriteAll, screen, &hardwareFamily(index), portName);

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ProgramSettings.h"
#include "dlldata.h"

class QSettings;

namespace veldrix {

// Module root used when the stored one is not an existing directory;
// relative to the current directory.
inline constexpr char kDefaultModuleRoot[] = "Modules for 0.04";

// The family's default driver file, "Hardware/<dir>.so" (relative).
[[nodiscard]] std::string defaultDriverPath(std::string_view dir);

// A write of the settings that did not reach the store's file.
struct SettingsWriteFailure {
    std::string location;  // the file the settings are kept in
};

// "Settings not saved: cannot write <location>", as both front ends show it.
[[nodiscard]] std::string settingsWriteFailureText(const SettingsWriteFailure& failure);

struct ScreenSize {
    int width = 0;   // pixels
    int height = 0;  // pixels
};

class SettingsStore {
public:
    // The modes of run(); other values do nothing.
    static constexpr int kReadGeneral = 0;   // General, Main, Colors, Font, Position
    static constexpr int kReadFamily = 1;    // the family's "Hardware/<dir>" section
    static constexpr int kWriteGeneral = 4;  // General, Main, Colors, Font, Position
    static constexpr int kWriteFamily = 5;   // the family section read last
    static constexpr int kWriteAll = 6;      // modes 4 and 5

    // The user's store, QSettings("Quenby Labs", "VELDRIX") (on Linux
    // ~/.config/Quenby Labs/VELDRIX.conf). Relative module roots and driver
    // paths are checked against `baseDirectory`; empty means the current
    // directory, as the program loads them from there.
    [[nodiscard]] static SettingsStore openUserStore(std::filesystem::path baseDirectory = {});
    // A store in the INI file at `iniPath`, otherwise the same.
    [[nodiscard]] static SettingsStore openFile(const QString& iniPath,
                                                std::filesystem::path baseDirectory = {});

    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;
    ~SettingsStore();

    // Runs one mode; returns 0 for every mode. Each mode takes what it needs:
    // mode 0 the screen size, mode 1 the family whose section is read (none:
    // a family without directory name), modes 5 and 6 the selected port's
    // name (empty when none is selected).
    int run(int mode, ScreenSize screen, const HardwareFamily* family,
            std::string_view selectedPort);

    // Mode 0. Absent or unreadable values take their defaults; then hardware
    // keeps its low two bits, the main window is moved to a third of the
    // screen when its centre is off `screen`, and a module root that is not
    // an existing directory becomes kDefaultModuleRoot.
    void readGeneral(ScreenSize screen);
    // Mode 4: every value of the five sections, from the records.
    void writeGeneral();
    // Mode 1. Empties the family record, reads it when the family has a
    // directory name, and replaces a driver path that is not an existing file
    // with the family's default driver. Afterwards mode 5 writes this family.
    void readFamily(const HardwareFamily& family);
    // Mode 5: lastmodule, lastchip, driver and the selected port's name into
    // the section that readFamily() read last. Nothing before the first
    // readFamily() or when that family has no directory name.
    void writeFamily(std::string_view selectedPort);

    // The progress window saves its place each time it closes; PX and PY are
    // kept in the record and, when they changed, written at once.
    void saveProgressPosition(std::int32_t x, std::int32_t y);

    [[nodiscard]] ProgramSettings& settings() noexcept { return settings_; }
    [[nodiscard]] const ProgramSettings& settings() const noexcept { return settings_; }
    [[nodiscard]] FamilySettings& family() noexcept { return family_; }
    [[nodiscard]] const FamilySettings& family() const noexcept { return family_; }
    // Whether the store names a hardware family yet; false until settings
    // are first written (a first run).
    [[nodiscard]] bool holdsFamilyChoice() const;

    // Whether a family section has been read, so that mode 5 writes it.
    [[nodiscard]] bool familySectionRead() const noexcept { return familySectionRead_; }

    // The first write (mode 4 or 5, or the progress window's place) that did
    // not reach the file: read-only file or folder, a name the file system
    // refuses. Kept once set; the values written are lost when the store
    // goes.
    [[nodiscard]] const std::optional<SettingsWriteFailure>& writeFailure() const noexcept {
        return writeFailure_;
    }

private:
    SettingsStore(std::unique_ptr<QSettings> backing, std::filesystem::path baseDirectory);

    // Hands what was written to the file and notes a failure.
    void commitWrites();

    [[nodiscard]] std::filesystem::path resolve(const std::string& path) const;

    std::unique_ptr<QSettings> backing_;
    std::filesystem::path baseDirectory_;
    ProgramSettings settings_;
    FamilySettings family_;
    bool familySectionRead_ = false;
    std::string familyDir_;  // directory name of the family read last; empty: none
    std::optional<SettingsWriteFailure> writeFailure_;
};

}  // namespace veldrix
