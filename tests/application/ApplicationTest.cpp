// The engine's start-up, family switching and shut-down with the drivers and
// modules of the build tree, a recording user interface and an INI settings
// file.

#include "core/Application.h"

#include <gtest/gtest.h>
#include <QSettings>

#include <algorithm>
#include <memory>

#include "RecordingUserInterface.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "core/HardwareFamilies.h"
#include "vxsim.h"

namespace veldrix {
namespace {

constexpr unsigned kTessaro = 1;
constexpr unsigned kHoltan = 3;

class ApplicationTest : public ::testing::Test {
protected:
    std::unique_ptr<Application> makeApplication() {
        return std::make_unique<Application>(
            ui_, SettingsStore::openFile(QString::fromStdString(ini()), VELDRIX_TEST_BASE_DIR),
            VELDRIX_TEST_BASE_DIR);
    }

    // Starts on the simulated board with calypso's 64 KB chip.
    std::unique_ptr<Application> startOnSimulator() {
        auto app = makeApplication();
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

    test::TempDir dir_;
    test::ScopedEnvironment simDir_{"VELDRIX_SIM_DIR", dir_.file("sim").c_str()};
    test::RecordingUserInterface ui_;
};

TEST_F(ApplicationTest, StartReadsTheSettingsBeforeBindingTheDriver) {
    const std::string notALibrary = dir_.write("broken.so", "not a library");
    store("General/hardware", "5");  // low two bits: the Tessaro family
    store("Hardware/tessaro/driver", QString::fromStdString(notALibrary));
    auto app = makeApplication();
    ASSERT_TRUE(app->start());
    EXPECT_EQ(app->familyIndex(), kTessaro);
    EXPECT_EQ(app->callBlock().hardware, &hardwareFamily(kTessaro));
    EXPECT_FALSE(app->driver().bound());
    ASSERT_FALSE(ui_.boxes.empty());
    EXPECT_EQ(ui_.boxes.front().text, "Can't load driver:  " + notALibrary);
    EXPECT_EQ(app->documentName(), "Untitled.bin");
}

TEST_F(ApplicationTest, RestoresModuleChipAndPortIntoTheSimulatedSocket) {
    auto app = startOnSimulator();
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->ports().simulatorSelected());
    EXPECT_EQ(app->modules().savedModule(), "calypso");
    EXPECT_EQ(app->modules().savedChip(), "W27C512");
    EXPECT_EQ(app->callBlock().size, 65536u);
    EXPECT_EQ(app->buffer().length(), 65536u);
    const SimulatorControl* simulator = app->driver().simulator();
    ASSERT_NE(simulator, nullptr);
    EXPECT_EQ(simulator->chipKind(), VXSIM_KIND_EEPROM);
    EXPECT_EQ(simulator->chipSize(), 65536u);
    EXPECT_TRUE(app->operations().enabled(Command::Read));
}

TEST_F(ApplicationTest, FamilySectionIsWrittenBackBeforeTheNextIsRead) {
    auto app = startOnSimulator();
    app->selectFamily(kHoltan);
    EXPECT_EQ(app->familyIndex(), kHoltan);
    EXPECT_EQ(stored("Hardware/tessaro/lastmodule").toString(), "calypso");
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
    EXPECT_EQ(stored("Hardware/tessaro/port").toString(), "SIM");

    app->selectFamily(kTessaro);
    EXPECT_EQ(app->modules().savedModule(), "calypso");
    EXPECT_EQ(app->modules().savedChip(), "W27C512");
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->driver().bound());
}

// The new family's board gets no chip of the family left behind: without a
// module of its own its socket stays empty, and its persisted contents of
// the old chip's kind are not touched.
TEST_F(ApplicationTest, AnotherFamilysBoardGetsNoChipOfThePreviousFamily) {
    auto app = startOnSimulator();
    store("Hardware/holtan/port", "SIM");
    app->selectFamily(kHoltan);
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_EQ(app->callBlock().hmodule, nullptr);
    const SimulatorControl* simulator = app->driver().simulator();
    ASSERT_NE(simulator, nullptr);
    EXPECT_EQ(simulator->chipKind(), VXSIM_KIND_NONE);

    // Back on the first family, its chip is in its board's socket again.
    app->selectFamily(kTessaro);
    simulator = app->driver().simulator();
    ASSERT_NE(simulator, nullptr);
    EXPECT_EQ(simulator->chipKind(), VXSIM_KIND_EEPROM);
    EXPECT_EQ(simulator->chipSize(), 65536u);
}

TEST_F(ApplicationTest, ReselectingTheFamilyRereadsItsSection) {
    auto app = startOnSimulator();
    // Changed behind the program's back: the section is written back first,
    // so the program's own choice wins.
    store("Hardware/tessaro/lastchip", "W27E257");
    app->selectFamily(kTessaro);
    EXPECT_EQ(app->modules().savedChip(), "W27C512");
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
    EXPECT_TRUE(app->driver().bound());
}

TEST_F(ApplicationTest, MissingPortWarnsAndTakesTheFirstOfTheFamilysKinds) {
    auto app = makeApplication();
    StartChoices choices;
    choices.family = kTessaro;
    choices.port = "LPT9";
    ASSERT_TRUE(app->start(choices));
    app->statusService().drain();
    app->statusService().stop();
    EXPECT_TRUE(statusShown(Application::kPortNotFound));
    const auto& entries = app->ports().entries();
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [](const PortRecord& entry) { return entry.kind == 1; });
    ASSERT_NE(first, entries.end());
    EXPECT_EQ(app->portName(), first->label);
    EXPECT_FALSE(app->selectPort("LPT9"));
    EXPECT_TRUE(app->selectPort("SIM"));
    EXPECT_EQ(app->portName(), "SIM");
}

TEST_F(ApplicationTest, CloseWritesEverythingAndReleasesTheHardware) {
    auto app = startOnSimulator();
    app->switchLanguage(Language::Russian);
    app->close();
    EXPECT_TRUE(app->closed());
    EXPECT_EQ(stored("Main/LANG").toString(), "RU");
    EXPECT_EQ(stored("hardware").toInt(), 1);
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
    EXPECT_FALSE(app->driver().bound());
    EXPECT_EQ(app->callBlock().hmodule, nullptr);
    EXPECT_EQ(app->buffer().length(), 0u);
    EXPECT_EQ(app->ports().entries().size(), 1u);
    EXPECT_FALSE(app->statusService().running());
    EXPECT_EQ(app->documentName(), "");

    // A second close, or the destructor, writes nothing emptied by the clean-up.
    app->close();
    app.reset();
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");

    // The next start reads what the close wrote.
    auto next = makeApplication();
    ASSERT_TRUE(next->start());
    EXPECT_EQ(next->settings().settings().main.language, Language::Russian);
    EXPECT_EQ(next->modules().savedChip(), "W27C512");
}

TEST_F(ApplicationTest, ExitRunsTheSameCleanUpAsClose) {
    auto app = startOnSimulator();
    app->exit();
    EXPECT_FALSE(app->driver().bound());
    EXPECT_EQ(app->ports().entries().size(), 1u);
    EXPECT_FALSE(app->statusService().running());
    EXPECT_EQ(stored("Hardware/tessaro/port").toString(), "SIM");
}

TEST_F(ApplicationTest, ClosingWithoutSavingKeepsTheStoredChoices) {
    startOnSimulator()->close();
    auto app = makeApplication();
    StartChoices choices;
    choices.chip = "NOPE";
    ASSERT_TRUE(app->start(choices));
    EXPECT_EQ(app->modules().savedChip(), "W27E257");  // the module's first chip
    app->closeWithoutSaving();
    EXPECT_FALSE(app->driver().bound());
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
}

TEST_F(ApplicationTest, ModuleRootChoiceIsRememberedAndRelativeToTheBase) {
    auto app = makeApplication();
    StartChoices choices;
    choices.family = kTessaro;
    choices.moduleRoot = "Modules for 0.04";
    ASSERT_TRUE(app->start(choices));
    EXPECT_EQ(app->moduleRoot(), std::filesystem::path(VELDRIX_TEST_BASE_DIR) / "Modules for 0.04");
    EXPECT_FALSE(app->modules().moduleNames().empty());
    app->close();
    EXPECT_EQ(stored("Main/all_module_dir").toString(), "Modules for 0.04");
}

}  // namespace
}  // namespace veldrix
