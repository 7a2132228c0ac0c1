#include <gtest/gtest.h>

#include <filesystem>

#include "SelectionFixture.h"
#include "catalog/ModuleTable.h"

namespace veldrix::test {
namespace {

using ModuleTableTest = SelectionFixture;

TEST_F(ModuleTableTest, ListsTheShippedModulesInNameOrder) {
    ModuleTable table;
    table.scan(kShippedModuleRoot, "tessaro", "dmain");
    EXPECT_EQ(table.names(), (std::vector<std::string>{"calypso", "thalia", "urania"}));
    EXPECT_EQ(table.find("thalia"), 1u);
    EXPECT_EQ(table.find("Thalia"), std::nullopt);
}

TEST_F(ModuleTableTest, SkipsFilesWithoutTheEntryLongNamesAndNonModules) {
    installModule("alpha", "alpha");
    installModule("gamma", "gamma");                 // exports smain only
    installModule("alpha", "abcdefghijklmnopqrs");   // 19 characters: fits
    installModule("alpha", "abcdefghijklmnopqrst");  // 20: does not
    root.write("tessaro/junk.so", "not a library");
    root.write("tessaro/beta.cfg", "");
    std::filesystem::create_directories(moduleDir() / "folder.so");

    ModuleTable table;
    table.scan(root.path(), "tessaro", "dmain");
    EXPECT_EQ(table.names(), (std::vector<std::string>{"abcdefghijklmnopqrs", "alpha"}));

    table.scan(root.path(), "tessaro", "smain");
    EXPECT_EQ(table.names(), (std::vector<std::string>{"gamma"}));

    table.scan(root.path(), "no-such-family", "dmain");
    EXPECT_TRUE(table.empty());
}

TEST_F(ModuleTableTest, KeepsTheFirstFiftyModules) {
    for (int i = 0; i < 55; ++i) {
        installModule("alpha", "m" + std::to_string(100 + i));
    }
    ModuleTable table;
    table.scan(root.path(), "tessaro", "dmain");
    ASSERT_EQ(table.size(), ModuleTable::kMaxModules);
    EXPECT_EQ(table.names().front(), "m100");
    EXPECT_EQ(table.names().back(), "m149");
}

TEST(ModuleTablePath, JoinsRootFamilyAndName) {
    EXPECT_EQ(ModuleTable::modulePath("/opt/v/Modules for 0.04", "tessaro", "urania"),
              std::filesystem::path("/opt/v/Modules for 0.04/tessaro/urania.so"));
}

}  // namespace
}  // namespace veldrix::test
