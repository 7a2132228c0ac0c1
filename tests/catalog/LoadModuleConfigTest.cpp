#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "catalog/LoadModuleConfig.h"

namespace veldrix {
namespace {

namespace fs = std::filesystem;

class LoadModuleConfigTest : public ::testing::Test {
protected:
    test::TempDir root;
    ModuleCatalog catalog;
    std::vector<std::string> messages;

    bool load(const std::string& dir, const std::string& name) {
        return LoadModuleConfig(catalog, root.path(), dir, name,
                                [&](const std::string& m) { messages.push_back(m); });
    }

    // A catalogue left over from another module, to see that loading replaces it.
    void fillWithAnotherModule() {
        catalog.addChip().name.assign("old");
        catalog.addAlgorithm().name.assign("old");
    }
};

TEST_F(LoadModuleConfigTest, PathIsRootFamilyDirectoryAndModuleName) {
    EXPECT_EQ(ModuleConfigPath("/opt/Modules for 0.04", "tessaro", "urania"),
              fs::path("/opt/Modules for 0.04/tessaro/urania.cfg"));
}

TEST_F(LoadModuleConfigTest, ReadsTheModulesFile) {
    root.write("tessaro/urania.cfg", "chip=27C64\r\nsize=8K\r\nvcc=4294967296\r\nalgdef=A\r\n");
    fillWithAnotherModule();
    ASSERT_TRUE(load("tessaro", "urania"));
    ASSERT_EQ(catalog.chipCount(), 1u);
    EXPECT_EQ(catalog.chip(1)->name.view(), "27C64");
    EXPECT_EQ(catalog.chip(1)->size, 8192u);
    EXPECT_EQ(catalog.algorithmCount(), 1u);
    EXPECT_EQ(catalog.algorithm(1)->name.view(), "A");
    EXPECT_EQ(messages,
              std::vector<std::string>{"numeric constant 4294967296 does not fit in 32 bits"});
}

TEST_F(LoadModuleConfigTest, MissingFileIsCreatedEmpty) {
    fs::create_directories(root.path() / "tessaro");
    fillWithAnotherModule();
    catalog.defaultAlgorithm().params.add("Tpw", 5);
    ASSERT_TRUE(load("tessaro", "thalia"));
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(catalog.algorithmCount(), 0u);
    EXPECT_EQ(catalog.defaultAlgorithm().params.size(), 1u);
    const fs::path created = root.path() / "tessaro" / "thalia.cfg";
    ASSERT_TRUE(fs::is_regular_file(created));
    EXPECT_EQ(fs::file_size(created), 0u);
    EXPECT_EQ(messages, std::vector<std::string>{"thalia.cfg was missing: made empty, no chips"});
}

TEST_F(LoadModuleConfigTest, MissingFamilyDirectoryFails) {
    fillWithAnotherModule();
    EXPECT_FALSE(load("zenta", "urania"));
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(catalog.algorithmCount(), 0u);
    EXPECT_FALSE(fs::exists(root.path() / "zenta"));
    EXPECT_EQ(messages,
              std::vector<std::string>{"Can't create urania.cfg: No such file or directory"});
}

TEST_F(LoadModuleConfigTest, DirectoryInPlaceOfTheFileFails) {
    fs::create_directories(root.path() / "tessaro" / "urania.cfg");
    fillWithAnotherModule();
    EXPECT_FALSE(load("tessaro", "urania"));
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(messages, std::vector<std::string>{"urania.cfg is not a regular file"});
}

TEST_F(LoadModuleConfigTest, UnreadableFileFailsWithTheReason) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind root";
    }
    const std::string path = root.write("tessaro/urania.cfg", "chip=A\r\n");
    fs::permissions(path, fs::perms::none);
    EXPECT_FALSE(load("tessaro", "urania"));
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(messages, std::vector<std::string>{"Can't read urania.cfg: Permission denied"});
}

TEST_F(LoadModuleConfigTest, OversizedFileIsTakenAsUnreadable) {
    const std::string path = root.write("tessaro/huge.cfg", "chip=A\r\n");
    fs::resize_file(path, kMaxModuleConfigBytes + 1);  // sparse: costs no disk space
    EXPECT_FALSE(load("tessaro", "huge"));
    EXPECT_EQ(catalog.chipCount(), 0u);
    EXPECT_EQ(messages, std::vector<std::string>{"huge.cfg is too large for a module file"});

    fs::resize_file(path, kMaxModuleConfigBytes);
    EXPECT_TRUE(load("tessaro", "huge"));
    EXPECT_EQ(catalog.chipCount(), 1u);
}

}  // namespace
}  // namespace veldrix
