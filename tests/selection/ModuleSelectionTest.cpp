#include <gtest/gtest.h>

#include <filesystem>

#include "SelectionFixture.h"

namespace veldrix::test {
namespace {

constexpr const char* kAlphaConfig =
    "algdef=First\n"
    "Tpw=200\n"
    "algdef=Second\n"
    "Tpw=300\n"
    "Mode=1111B\n"
    "\n"
    "chip=ONE\n"
    "mfr=Maker One\n"
    "size=512\n"
    "vcc=0\n"
    "alguse=2,1\n"
    "chip=DUP\n"
    "mfr=Early\n"
    "size=1K\n"
    "chip=WIDE\n"
    "mfr=Wide Co\n"
    "size=32768x16\n"
    "vcc=33\n"
    "vpp=125\n"
    "alguse=1\n"
    "chip=DUP\n"
    "mfr=Late\n"
    "size=2K\n";

constexpr const char* kBetaConfig =
    "chip=B1\n"
    "size=64\n"
    "chip=B2\n"
    "size=128\n";

// Indices in the test modules' key table.
constexpr int kWrAlg = 0;
constexpr int kMode = 1;
constexpr int kTpw = 4;

class ModuleSelectionTest : public SelectionFixture {
protected:
    ModuleSelectionTest() {
        installModule("alpha", "alpha");
        installModule("beta", "beta");
        writeConfig("alpha", kAlphaConfig);
        writeConfig("beta", kBetaConfig);
        selection.setChipAppliedHook([this] { hookSawAccepted.push_back(selection.accepted()); });
    }

    void restore(const std::string& module, const std::string& chip) {
        selection.setSaved(module, chip);
        selection.runWithoutWindow();
    }

    // What the chip-applied hook saw at each run: its owner renews the
    // buffer only for an accepted selection.
    std::vector<bool> hookSawAccepted;
};

TEST_F(ModuleSelectionTest, RestoresTheSavedChipIntoCallBlockAndPanes) {
    restore("alpha", "WIDE");

    EXPECT_EQ(selection.savedModule(), "alpha");
    EXPECT_EQ(selection.savedChip(), "WIDE");
    EXPECT_TRUE(selection.accepted());
    EXPECT_EQ(block.size, 65536u);
    EXPECT_EQ(block.bits, 16);
    EXPECT_EQ(block.vcc, 33);
    EXPECT_EQ(block.vpp, 125);
    EXPECT_EQ(block.vid, 120);
    EXPECT_EQ(block.wralg, 1);
    EXPECT_STREQ(block.mfr, "Wide Co");
    EXPECT_EQ(ui.pane(Pane::Chip), "WIDE");
    EXPECT_EQ(ui.pane(Pane::Size), "size: 32Kx16");
    EXPECT_EQ(ui.pane(Pane::Vcc), "Vcc:3.3");
    EXPECT_EQ(ui.pane(Pane::Vpp), "Vpp:12.5");
    EXPECT_EQ(ui.pane(Pane::Vid), "Vid:12.0");
    EXPECT_EQ(hookSawAccepted, std::vector<bool>{true});
    EXPECT_TRUE(ui.statusMessages.empty());

    // Identify and select from loading, then the select of the applied chip.
    const std::vector<tm_record> calls = records("alpha");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].funcode, DD_FN_IDENTIFY);
    EXPECT_EQ(calls[1].funcode, DD_FN_SELECT);
    EXPECT_EQ(calls[2].funcode, DD_FN_SELECT);
    EXPECT_EQ(calls[2].subfcode, 0);
    EXPECT_EQ(calls[2].size, 65536u);
    EXPECT_EQ(calls[2].blank, 0xFFu);
    EXPECT_EQ(calls[2].page, 0);
    EXPECT_STREQ(calls[2].mfr, "Wide Co");

    // A level-6 module keeps the flag it set while identifying.
    EXPECT_NE(block.funcs[DD_FN_READ], 0);
    EXPECT_NE(block.funcs[DD_FN_COMPARE], 0);
    // The keys follow the applied chip's algorithm.
    ASSERT_NE(block.keys, nullptr);
    EXPECT_EQ(block.keys[kWrAlg].value, 1u);
    EXPECT_EQ(block.keys[kTpw].value, 200u);
}

TEST_F(ModuleSelectionTest, MissingSavedNamesFallBackToTheFirstModuleAndChip) {
    restore("gone", "NOPE");
    EXPECT_EQ(selection.savedModule(), "alpha");
    EXPECT_EQ(selection.savedChip(), "ONE");
    EXPECT_EQ(ui.pane(Pane::Chip), "ONE");
    EXPECT_EQ(ui.pane(Pane::Size), "size: 512 x8");
    // A chip without a supply voltage gets 5 V.
    EXPECT_EQ(block.vcc, 50);
    EXPECT_EQ(ui.pane(Pane::Vcc), "Vcc:5.0");
    EXPECT_EQ(block.wralg, 2);
    EXPECT_EQ(block.keys[kTpw].value, 300u);
    EXPECT_EQ(block.keys[kMode].value, 15u);
}

TEST_F(ModuleSelectionTest, ModuleAboveLevelSixKeepsOnlyFlagsSetAtSelect) {
    restore("beta", "B2");
    EXPECT_EQ(block.size, 128u);
    EXPECT_EQ(block.funcs[DD_FN_READ], 0);
    EXPECT_NE(block.funcs[DD_FN_COMPARE], 0);
    EXPECT_EQ(block.keys, nullptr);
}

TEST_F(ModuleSelectionTest, DuplicateChipNameTakesEarlierWithoutWindowAndLaterInIt) {
    restore("alpha", "DUP");
    EXPECT_EQ(block.size, 1024u);
    EXPECT_STREQ(block.mfr, "Early");

    selection.openWindow();
    EXPECT_EQ(selection.selectedChipRow(), 3u);
    EXPECT_EQ(selection.chipInfoLines().at(1), "Manufacture:\tLate");
    selection.accept();
    EXPECT_EQ(block.size, 2048u);
    EXPECT_STREQ(block.mfr, "Late");
}

TEST_F(ModuleSelectionTest, WindowListsModulesChipsAndTheChipInformation) {
    restore("alpha", "ONE");
    selection.openWindow();
    ASSERT_TRUE(selection.windowOpen());
    EXPECT_EQ(selection.moduleNames(), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(selection.selectedModuleRow(), 0u);
    EXPECT_EQ(selection.chipNames(), (std::vector<std::string>{"ONE", "DUP", "WIDE", "DUP"}));

    selection.chooseChipRow(2);
    EXPECT_EQ(selection.chipInfoLines(),
              (std::vector<std::string>{"Chip name:\tWIDE", "Manufacture:\tWide Co",
                                        "Size:\t\t00008000H x16 ", "Vcc:\t\t3v", "Vpp:\t\t12v",
                                        "Vid:\t\t12v"}));
    selection.chooseModuleRow(1);
    EXPECT_EQ(selection.chipNames(), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_EQ(selection.chipInfoLines().at(0), "Chip name:\tB1");
    // Looking around applies nothing.
    EXPECT_EQ(block.size, 512u);
    EXPECT_EQ(hookSawAccepted.size(), 1u);
}

TEST_F(ModuleSelectionTest, CancelAppliesTheSavedModuleAndChipAgain) {
    restore("alpha", "ONE");
    selection.openWindow();
    selection.chooseModuleRow(1);
    selection.chooseChipRow(1);
    selection.cancel();

    EXPECT_FALSE(selection.windowOpen());
    EXPECT_FALSE(selection.accepted());
    EXPECT_EQ(selection.savedModule(), "alpha");
    EXPECT_EQ(selection.savedChip(), "ONE");
    EXPECT_EQ(block.size, 512u);
    EXPECT_EQ(selection.chipNames().front(), "ONE");
    // Browsing ran no hook; the Cancel's apply runs it unaccepted, so the
    // image the user loaded or edited stays.
    EXPECT_EQ(hookSawAccepted, (std::vector<bool>{true, false}));
    EXPECT_EQ(records("alpha").back().size, 512u);
}

// Applying the chip again gives it its own voltages: the panes say so, not
// the voltages chosen before the window opened.
TEST_F(ModuleSelectionTest, CancelShowsTheVoltagesOfTheChipAppliedAgain) {
    restore("alpha", "WIDE");
    block.vpp = 130;
    selection.showVoltagePanes();
    ASSERT_EQ(ui.pane(Pane::Vpp), "Vpp:13.0");
    selection.openWindow();
    selection.chooseModuleRow(1);
    selection.cancel();
    EXPECT_EQ(block.vpp, 125);
    EXPECT_EQ(ui.pane(Pane::Vpp), "Vpp:12.5");
}

TEST_F(ModuleSelectionTest, DoubleClickAcceptsTheChipLikeOk) {
    restore("alpha", "ONE");
    selection.openWindow();
    selection.chooseModuleRow(1);
    selection.acceptChipRow(1);

    EXPECT_FALSE(selection.windowOpen());
    EXPECT_TRUE(selection.accepted());
    EXPECT_EQ(selection.savedModule(), "beta");
    EXPECT_EQ(selection.savedChip(), "B2");
    EXPECT_EQ(block.size, 128u);
    EXPECT_EQ(ui.pane(Pane::Chip), "B2");
    EXPECT_EQ(selection.appliedChip()->size, 128u);
}

// Closing by the title bar must not leave beta loaded under alpha's chip.
TEST_F(ModuleSelectionTest, TitleBarCloseCancelsAndLoadsTheAppliedChipsModuleAgain) {
    restore("alpha", "WIDE");
    selection.openWindow();
    selection.chooseModuleRow(1);  // loads beta and reads its catalogue
    selection.closeWindow();

    EXPECT_FALSE(selection.windowOpen());
    EXPECT_FALSE(selection.accepted());
    EXPECT_EQ(selection.savedModule(), "alpha");
    EXPECT_EQ(selection.savedChip(), "WIDE");
    EXPECT_EQ(selection.chipNames().front(), "ONE");
    ASSERT_NE(selection.appliedChip(), nullptr);
    EXPECT_EQ(selection.appliedChip()->name, "WIDE");
    EXPECT_EQ(block.size, 65536u);
    EXPECT_STREQ(block.mfr, "Wide Co");
    // alpha got the select call of its chip last.
    EXPECT_EQ(records("alpha").back().funcode, DD_FN_SELECT);
    EXPECT_EQ(records("alpha").back().size, 65536u);
}

TEST_F(ModuleSelectionTest, OpeningAgainClosesAsCancelAndOpensNothing) {
    restore("alpha", "WIDE");
    selection.openWindow();
    selection.chooseModuleRow(1);
    selection.acceptChipRow(5);  // no such row: nothing happens but the accept
    EXPECT_EQ(selection.savedModule(), "beta");

    selection.openWindow();
    selection.chooseModuleRow(0);
    selection.openWindow();
    EXPECT_FALSE(selection.windowOpen());
    EXPECT_EQ(selection.savedModule(), "beta");
    EXPECT_EQ(selection.chipNames().front(), "B1");
    // Without a window the list requests are ignored.
    selection.chooseModuleRow(0);
    EXPECT_EQ(selection.chipNames().front(), "B1");
}

TEST_F(ModuleSelectionTest, EmptyDirectoryAppliesNoChip) {
    std::filesystem::remove(moduleDir() / "alpha.so");
    std::filesystem::remove(moduleDir() / "beta.so");
    restore("alpha", "ONE");

    EXPECT_EQ(ui.statusMessages, std::vector<std::string>{"No module in " + moduleDir().string()});
    EXPECT_EQ(block.hmodule, nullptr);
    EXPECT_EQ(block.size, 0u);
    EXPECT_EQ(block.bits, 8);
    EXPECT_EQ(block.vcc, 0);
    EXPECT_STREQ(block.mfr, "Unknown");
    EXPECT_EQ(selection.appliedChip(), nullptr);
    EXPECT_EQ(ui.pane(Pane::Chip), "");
    EXPECT_EQ(ui.pane(Pane::Size), "size: 0 x8");
    EXPECT_EQ(ui.pane(Pane::Vcc), "Vcc:0.0");
    for (const std::uint16_t flag : block.funcs) {
        EXPECT_EQ(flag, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(moduleDir() / ".cfg"));
}

TEST_F(ModuleSelectionTest, AModuleFolderThatCannotBeListedIsNamedWithTheReason) {
    std::filesystem::remove_all(moduleDir());
    restore("alpha", "ONE");
    EXPECT_EQ(ui.statusMessages.back(),
              "Can't read module folder (No such file or directory): " + moduleDir().string());

    root.write("tessaro", "a file where the folder should be");
    restore("alpha", "ONE");
    EXPECT_EQ(ui.statusMessages.back(),
              "Can't read module folder (Not a directory): " + moduleDir().string());
    EXPECT_EQ(selection.appliedChip(), nullptr);
}

TEST_F(ModuleSelectionTest, AWindowWithoutModulesListsNoChipsOfTheModuleBefore) {
    restore("alpha", "ONE");
    std::filesystem::remove(moduleDir() / "alpha.so");
    std::filesystem::remove(moduleDir() / "beta.so");
    selection.openWindow();
    EXPECT_TRUE(selection.moduleNames().empty());
    EXPECT_TRUE(selection.chipNames().empty());
    selection.chooseChipRow(2);
    EXPECT_TRUE(selection.chipInfoLines().empty());
    // OK applies no chip.
    selection.accept();
    EXPECT_EQ(selection.appliedChip(), nullptr);
    EXPECT_EQ(block.size, 0u);
    EXPECT_EQ(selection.savedChip(), "");
}

TEST_F(ModuleSelectionTest, ModuleThatVanishesOrLacksTheEntryIsReported) {
    restore("alpha", "ONE");
    selection.openWindow();
    std::filesystem::remove(moduleDir() / "beta.so");
    selection.chooseModuleRow(1);
    EXPECT_EQ(ui.statusMessages.back(), "Can't load module:  beta");
    EXPECT_EQ(block.hmodule, nullptr);
    EXPECT_EQ(block.keys, nullptr);

    family.entry = "xmain";
    selection.chooseModuleRow(0);
    EXPECT_EQ(ui.statusMessages.back(), "Wrong module");
    EXPECT_NE(block.hmodule, nullptr);
    EXPECT_EQ(block.funcs[DD_FN_READ], 0);
}

TEST_F(ModuleSelectionTest, ReleasingTheModuleLeavesNoReferenceIntoIt) {
    restore("alpha", "ONE");
    ASSERT_NE(block.keys, nullptr);
    selection.releaseModule();
    EXPECT_FALSE(selection.moduleLoaded());
    EXPECT_EQ(block.hmodule, nullptr);
    EXPECT_EQ(block.keys, nullptr);
    EXPECT_EQ(block.about, nullptr);
}

TEST_F(ModuleSelectionTest, ACatalogueClearedUnderneathLeavesNoCurrentChip) {
    restore("alpha", "WIDE");
    // The program clears the catalogue when the family changes and at exit,
    // without going through the selection.
    catalog.clear();

    selection.applyChip();
    EXPECT_EQ(selection.appliedChip(), nullptr);
    EXPECT_EQ(block.size, 0u);
    EXPECT_STREQ(block.mfr, "Unknown");
    EXPECT_EQ(ui.pane(Pane::Size), "size: 0 x8");
    // With neither chip nor algorithm definitions left the keys take their
    // defaults.
    block.wralg = 1;
    selection.algorithmKeys().SetDefAlg();
    selection.algorithmKeys().ApplyAlgorithm();
    EXPECT_EQ(block.keys[kTpw].value, 100u);
    EXPECT_EQ(block.keys[kMode].value, 5u);
}

// The shipped modules, in the build tree's module directory.
TEST_F(ModuleSelectionTest, ShippedCalypsoResolvesItsKeys) {
    selection.setModuleRoot(kShippedModuleRoot);
    restore("calypso", "W27C512");
    EXPECT_TRUE(ui.statusMessages.empty());
    EXPECT_EQ(ui.pane(Pane::Size), "size: 64Kx8");
    EXPECT_EQ(block.size, 65536u);
    EXPECT_EQ(block.wralg, 1);
    ASSERT_NE(block.keys, nullptr);
    EXPECT_EQ(std::string(block.keys[0].name), "WrAlg");
    EXPECT_EQ(block.keys[0].value, 1u);
    EXPECT_EQ(std::string(block.keys[3].name), "Tpw");
    EXPECT_EQ(block.keys[3].value, 100u);
}

TEST_F(ModuleSelectionTest, ShippedUraniaShowsWordOrganisedSize) {
    selection.setModuleRoot(kShippedModuleRoot);
    restore("urania", "93C46B");
    EXPECT_EQ(selection.savedModule(), "urania");
    EXPECT_EQ(selection.savedChip(), "93C46B");
    EXPECT_EQ(block.size, 128u);
    EXPECT_EQ(ui.pane(Pane::Size), "size: 64 x16");
    EXPECT_STREQ(block.mfr, "Microchip");
}

}  // namespace
}  // namespace veldrix::test
