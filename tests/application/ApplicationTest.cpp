// The engine's start-up, family switching and shut-down with the drivers and
// modules of the build tree, a recording user interface and an INI settings
// file.

#include "core/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SimulatedApplication.h"
#include "core/HardwareFamilies.h"
#include "vxsim.h"

namespace veldrix {
namespace {

using test::kHoltan;
using test::kTessaro;

class ApplicationTest : public test::SimulatedApplication {};

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
    app->finishStatusMessages();
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

// A front end makes its window between the two steps: the settings are read
// by then, and nothing of the family is bound yet.
TEST_F(ApplicationTest, StartInTwoStepsAroundTheWindow) {
    store("Position/X", "123");
    auto app = makeApplication();
    ASSERT_TRUE(app->prepare());
    EXPECT_EQ(app->settings().settings().position.X, 123);
    EXPECT_EQ(app->documentName(), "Untitled.bin");
    EXPECT_FALSE(app->driver().bound());
    EXPECT_TRUE(app->statusService().running());

    StartChoices choices;
    choices.family = kTessaro;
    choices.port = "SIM";
    choices.module = "calypso";
    choices.chip = "W27E257";
    app->restore(choices);
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->modules().savedChip(), "W27E257");
    EXPECT_EQ(app->buffer().length(), 32768u);
}

TEST_F(ApplicationTest, ClosingTheChipWindowWritesTheFamilySection) {
    auto app = startOnSimulator();
    store("Hardware/tessaro/lastchip", "");
    app->chipSelectionClosed();
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
    EXPECT_EQ(stored("Hardware/tessaro/port").toString(), "SIM");
}

// The driver file changed in the settings: bound anew, with the port and the
// module kept.
TEST_F(ApplicationTest, RebindingTheDriverKeepsPortAndModule) {
    auto app = startOnSimulator();
    const std::string notALibrary = dir_.write("broken.so", "not a library");
    app->settings().family().driver = notALibrary;
    app->rebindDriver();
    EXPECT_FALSE(app->driver().bound());
    EXPECT_EQ(ui_.boxes.back().text, "Can't load driver:  " + notALibrary);

    app->settings().family().driver = "Hardware/tessaro.so";
    app->rebindDriver();
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->ports().simulatorSelected());
    EXPECT_EQ(app->modules().savedChip(), "W27C512");
    EXPECT_TRUE(app->operations().enabled(Command::Read));
}

TEST_F(ApplicationTest, RefreshingThePortsKeepsTheChosenOne) {
    auto app = startOnSimulator();
    const std::size_t listed = app->ports().entries().size();
    app->refreshPorts();
    EXPECT_EQ(app->ports().entries().size(), listed);
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->ports().simulatorSelected());
}

TEST_F(ApplicationTest, BufferFilesTellWhatHappenedAndNameTheDocument) {
    auto app = startOnSimulator(StatusDelivery::Immediate);
    const std::string shortFile = dir_.write("short.bin", "abc");
    const FileLoadResult loaded = app->openBufferFile(shortFile);
    EXPECT_EQ(loaded.status, LoadStatus::ShortFile);
    EXPECT_EQ(loaded.bytesRead, 3u);
    EXPECT_EQ(app->documentName(), shortFile);
    EXPECT_TRUE(statusShown("Error reading 65536 bytes"));

    const FileLoadResult missing = app->openBufferFile(dir_.file("missing.bin"));
    EXPECT_EQ(missing.status, LoadStatus::NotOpened);
    EXPECT_EQ(ui_.boxes.back().text, "Can't open file: missing.bin");
    EXPECT_EQ(app->documentName(), shortFile);

    const std::string saved = dir_.file("saved.bin");
    EXPECT_EQ(app->saveBufferFile(saved).status, SaveStatus::Saved);
    EXPECT_EQ(app->documentName(), saved);
    EXPECT_EQ(test::TempDir::read(saved).substr(0, 4), std::string("abc\xFF"));
    app->setDocumentName("other.bin");
    EXPECT_EQ(app->documentName(), "other.bin");
}

// A terminal's front end gets every status message at once and in order;
// none waits for a status thread or is dropped behind another.
TEST_F(ApplicationTest, ImmediateStatusDeliveryShowsEveryMessageAtOnceInOrder) {
    store("Hardware/tessaro/port", "LPT9");
    auto app = makeApplication(StatusDelivery::Immediate);
    StartChoices choices;
    choices.family = kTessaro;
    ASSERT_TRUE(app->start(choices));
    EXPECT_FALSE(app->statusService().running());
    EXPECT_TRUE(statusShown(Application::kPortNotFound));
    ui_.statusMessages.clear();
    app->callBlock().status("%s", "voltage ERR");
    app->callBlock().status("Read error: %X", 5u);
    EXPECT_EQ(ui_.statusMessages, (std::vector<std::string>{"voltage ERR", "Read error: 5"}));
}

}  // namespace
}  // namespace veldrix
