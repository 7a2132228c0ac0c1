// Module files whose loading brings a process down: the scan survives them,
// skips them and names them; the good modules stay usable.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BrokenLibraries.h"
#include "SelectionFixture.h"
#include "catalog/ModuleTable.h"

namespace veldrix::test {
namespace {

class BrokenModuleTest : public SelectionFixture {
protected:
    void SetUp() override {
        installModule("alpha", "alpha");
        writeConfig("alpha", "chip=ONE\nsize=512\n");
        std::filesystem::copy_file(faultingConstructorLibrary(), moduleDir() / "crash.so");
        writeTruncatedLibrary(root, "tessaro/cut.so", (kBuiltTestModules / "alpha.so").string());
    }
};

TEST_F(BrokenModuleTest, TheScanSkipsAndNamesThem) {
    ModuleTable table;
    table.scan(root.path(), "tessaro", "dmain");
    EXPECT_EQ(table.names(), std::vector<std::string>{"alpha"});
    EXPECT_EQ(table.unsafe(), (std::vector<std::string>{"crash", "cut"}));
    // A later scan forgets what the earlier one skipped.
    table.scan(root.path(), "no-such-family", "dmain");
    EXPECT_TRUE(table.unsafe().empty());
}

TEST_F(BrokenModuleTest, SelectingReportsThemAndLoadsAGoodModule) {
    selection.setSaved("alpha", "ONE");
    selection.runWithoutWindow();
    EXPECT_EQ(ui.statusMessages,
              (std::vector<std::string>{"Can't load module:  crash", "Can't load module:  cut"}));
    EXPECT_EQ(selection.savedModule(), "alpha");
    EXPECT_NE(block.hmodule, nullptr);
    EXPECT_EQ(block.size, 512u);
}

}  // namespace
}  // namespace veldrix::test
