// The Settings dialog's model on the engine with the build tree's drivers
// and modules.

#include "core/SettingsEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ApplicationRig.h"
#include "platform/DynamicLibrary.h"

namespace veldrix {
namespace {

class SettingsEditTest : public ::testing::Test, public test::ApplicationRig {
protected:
    SettingsEditTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {}

    // The ECR byte the bound driver holds.
    [[nodiscard]] static std::uint8_t driverEcr(const Application& app) {
        const platform::DynamicLibrary driver(app.driverPath().string());
        const auto* ecr = driver.data<std::uint8_t>("ecr");
        return ecr != nullptr ? *ecr : 0;
    }

    [[nodiscard]] static SettingsEntries entriesOf(const SettingsEdit& edit) {
        return SettingsEntries{edit.ecrText(), edit.ntDriver(), edit.sound(), edit.moduleRoot()};
    }

    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
    const std::filesystem::path base = VELDRIX_TEST_BASE_DIR;
};

TEST_F(SettingsEditTest, ControlsShowTheSettingsInUse) {
    const SettingsEdit edit(*app);
    const std::vector<std::string> ports = edit.portLabels();
    ASSERT_FALSE(ports.empty());
    EXPECT_EQ(ports.back(), "SIM");
    EXPECT_EQ(edit.portRow(), ports.size() - 1);
    EXPECT_EQ(edit.driverName(), "Hardware/tessaro.so");
    EXPECT_EQ(edit.ecrText(), "0x35");
    EXPECT_TRUE(edit.ntDriver());
    EXPECT_TRUE(edit.sound());
    EXPECT_EQ(edit.moduleRoot(), "Modules for 0.04");
    const std::vector<std::string>& modules = edit.moduleNames();
    ASSERT_TRUE(edit.savedModuleRow().has_value());
    EXPECT_EQ(modules.at(*edit.savedModuleRow()), "calypso");
    EXPECT_EQ(edit.driverChooserStart(), base / "Hardware/tessaro.so");
    EXPECT_EQ(edit.moduleFolderStart("Modules for 0.04"), base / "Modules for 0.04");
    EXPECT_EQ(edit.moduleFolderStart("/srv/m"), std::filesystem::path("/srv/m"));
    EXPECT_EQ(edit.moduleRootText(base / "Modules for 0.04"), "Modules for 0.04");
    EXPECT_EQ(edit.moduleRootText("/srv/m"), "/srv/m");
}

// Written into the port's extended control register, a wrong ECR can make
// the board unreadable: a malformed or oversized one changes nothing at all.
TEST_F(SettingsEditTest, AnEcrThatIsNoByteRefusesOkAndChangesNothing) {
    const ProgramSettings before = app->settings().settings();
    for (const char* text : {"0x100", "256", "abc", "", "-1", "35 h", "0x35;"}) {
        SettingsEdit edit(*app);
        edit.setColor(EditorColor::Hex, 0x123456);
        SettingsEntries entries = entriesOf(edit);
        entries.ecr = text;
        entries.sound = false;
        const std::optional<RefusedSetting> refused = edit.accept(entries);
        ASSERT_TRUE(refused.has_value()) << text;
        EXPECT_NE(refused->message.find("ECR"), std::string::npos);
        EXPECT_EQ(app->settings().settings(), before) << text;
        EXPECT_EQ(driverEcr(*app), 0x35) << text;
    }

    SettingsEdit edit(*app);
    SettingsEntries entries = entriesOf(edit);
    for (const char* text : {"0x2F", "2Fh", "$2F", "47"}) {
        entries.ecr = text;
        EXPECT_EQ(edit.accept(entries), std::nullopt) << text;
        EXPECT_EQ(app->settings().settings().main.ECR, 0x2F) << text;
        EXPECT_EQ(driverEcr(*app), 0x2F) << text;
    }
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->portName(), "SIM");
}

TEST_F(SettingsEditTest, ColoursFontAndSwitchesAreStoredOnlyOnOk) {
    SettingsEdit edit(*app);
    edit.setColor(EditorColor::Address, 0x010203);
    edit.setColor(EditorColor::Hex, 0x040506);
    edit.setColor(EditorColor::Ascii, 0x070809);
    edit.setColor(EditorColor::Background, 0x0A0B0C);
    edit.setColor(EditorColor::Highlight, 0x0D0E0F);
    edit.chooseFont(std::string(40, 'M'), 14);
    EXPECT_EQ(edit.color(EditorColor::Ascii), 0x070809u);
    EXPECT_EQ(app->settings().settings().colors, ColorSettings{});
    EXPECT_EQ(app->settings().settings().font, FontSettings{});

    // Binding writes the ECR setting into the driver: a mark there shows
    // whether OK bound it again.
    const platform::DynamicLibrary driver(app->driverPath().string());
    *driver.data<std::uint8_t>("ecr") = 0x99;
    SettingsEntries entries = entriesOf(edit);
    entries.sound = false;
    entries.ntDriver = false;
    ASSERT_EQ(edit.accept(entries), std::nullopt);
    const ProgramSettings& stored = app->settings().settings();
    EXPECT_EQ(stored.colors.adrcol, 0x010203u);
    EXPECT_EQ(stored.colors.hexcol, 0x040506u);
    EXPECT_EQ(stored.colors.asciicol, 0x070809u);
    EXPECT_EQ(stored.colors.nucol, 0x0A0B0Cu);
    EXPECT_EQ(stored.colors.hlcol, 0x0D0E0Fu);
    EXPECT_EQ(stored.colors.markcol, ColorSettings{}.markcol);
    EXPECT_EQ(stored.font.lfFaceName, std::string(kFaceNameMax, 'M'));
    EXPECT_EQ(stored.font.lfHeight, -14);
    EXPECT_EQ(stored.font.lfWeight, 400);
    EXPECT_EQ(stored.font.lfItalic, 0);
    EXPECT_EQ(stored.font.lfPitchAndFamily, 0x31);
    EXPECT_EQ(stored.main.beep, 0);
    EXPECT_EQ(stored.main.start_drv, 0);
    // Neither the driver nor the ECR changed: not bound again.
    EXPECT_EQ(driverEcr(*app), 0x99);
}

TEST_F(SettingsEditTest, AChosenDriverIsBoundAtOnceAndCancelBindsTheOneOfBefore) {
    SettingsEdit edit(*app);
    const std::string broken = dir_.write("broken.so", "not a library");
    edit.chooseDriverFile(broken);
    EXPECT_FALSE(app->driver().bound());
    EXPECT_EQ(edit.driverName(), broken);
    ASSERT_FALSE(ui_.boxes.empty());
    EXPECT_EQ(ui_.boxes.back().text, "Can't load driver:  " + broken);

    edit.cancel();
    EXPECT_EQ(app->settings().family().driver, "Hardware/tessaro.so");
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->ports().simulatorSelected());
    EXPECT_TRUE(app->operations().enabled(Command::Read));

    SettingsEdit again(*app);
    const std::string parlink = (base / "Hardware/parlink.so").string();
    again.chooseDriverFile(parlink);
    EXPECT_TRUE(app->driver().bound());
    ASSERT_EQ(again.accept(entriesOf(again)), std::nullopt);
    EXPECT_EQ(app->settings().family().driver, parlink);
    EXPECT_EQ(app->portName(), "SIM");
}

// The module root is taken at OK: the next chip selection scans it.
TEST_F(SettingsEditTest, ANewModuleRootIsScannedByTheNextSelection) {
    const std::filesystem::path root = dir_.path() / "my modules";
    std::filesystem::create_directories(root / "tessaro");
    for (const char* file : {"thalia.so", "thalia.cfg"}) {
        std::filesystem::copy_file(base / "Modules for 0.04/tessaro" / file,
                                   root / "tessaro" / file);
    }
    SettingsEdit edit(*app);
    SettingsEntries entries = entriesOf(edit);
    entries.moduleRoot = edit.moduleRootText(root);
    EXPECT_EQ(entries.moduleRoot, root.string());
    ASSERT_EQ(edit.accept(entries), std::nullopt);
    EXPECT_EQ(app->settings().settings().main.all_module_dir, root.string());

    app->modules().openWindow();
    EXPECT_EQ(app->modules().moduleNames(), std::vector<std::string>{"thalia"});
    app->modules().cancel();
}

}  // namespace
}  // namespace veldrix
