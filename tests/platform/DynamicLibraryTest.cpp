#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <utility>

#include "TempDir.h"

namespace veldrix::test {
namespace {

using platform::DynamicLibrary;

// Whether the loader still has the test plug-in mapped, asked without
// loading it.
bool pluginStillLoaded() {
    void* handle = dlopen(VELDRIX_FAULTY_PLUGIN, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);
    return true;
}

TEST(DynamicLibraryTest, AMissingFileGivesTheLoadersReason) {
    TempDir dir;
    const std::string path = dir.file("absent.so");
    DynamicLibrary library(path);
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.handle(), nullptr);
    EXPECT_NE(library.error().find(path), std::string::npos) << library.error();
    EXPECT_EQ(library.symbol("faulty_count"), nullptr);
}

TEST(DynamicLibraryTest, AFileThatIsNoLibraryIsRefused) {
    TempDir dir;
    DynamicLibrary library(dir.write("garbage.so", "this is not an ELF file"));
    EXPECT_FALSE(library.loaded());
    EXPECT_FALSE(library.error().empty());
}

TEST(DynamicLibraryTest, AnEmptyPathLoadsNothing) {
    DynamicLibrary library{std::string()};
    EXPECT_FALSE(library.loaded());
    EXPECT_FALSE(library.error().empty());
    EXPECT_EQ(library.symbol("main"), nullptr);
}

TEST(DynamicLibraryTest, FindsExportsOnlyByTheirName) {
    DynamicLibrary library(VELDRIX_FAULTY_PLUGIN);
    ASSERT_TRUE(library.loaded()) << library.error();
    EXPECT_TRUE(library.error().empty());
    EXPECT_NE(library.symbol("faulty_count"), nullptr);
    EXPECT_EQ(library.symbol("no_such_export"), nullptr);
    // Internal functions stay hidden behind the version script.
    EXPECT_EQ(library.symbol("descend"), nullptr);

    using Count = void (*)(void*);
    int calls = 0;
    library.function<Count>("faulty_count")(&calls);
    EXPECT_EQ(calls, 1);
}

TEST(DynamicLibraryTest, ReleaseUnloadsAndEmptiesTheObject) {
    DynamicLibrary library(VELDRIX_FAULTY_PLUGIN);
    ASSERT_TRUE(library.loaded()) << library.error();
    ASSERT_TRUE(pluginStillLoaded());
    library.release();
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.symbol("faulty_count"), nullptr);
    EXPECT_FALSE(pluginStillLoaded());
}

TEST(DynamicLibraryTest, MovingHandsTheLibraryOverWithoutUnloadingIt) {
    DynamicLibrary original(VELDRIX_FAULTY_PLUGIN);
    ASSERT_TRUE(original.loaded()) << original.error();
    void* const handle = original.handle();

    DynamicLibrary moved(std::move(original));
    EXPECT_FALSE(original.loaded());
    EXPECT_EQ(moved.handle(), handle);
    EXPECT_NE(moved.symbol("faulty_count"), nullptr);

    DynamicLibrary assigned;
    assigned = std::move(moved);
    EXPECT_FALSE(moved.loaded());
    EXPECT_EQ(assigned.handle(), handle);
    EXPECT_TRUE(pluginStillLoaded());
}

TEST(DynamicLibraryTest, AssigningOverALoadedLibraryUnloadsIt) {
    DynamicLibrary library(VELDRIX_FAULTY_PLUGIN);
    ASSERT_TRUE(library.loaded()) << library.error();
    library = DynamicLibrary(std::string("/nonexistent/library.so"));
    EXPECT_FALSE(library.loaded());
    EXPECT_FALSE(library.error().empty());
    EXPECT_FALSE(pluginStillLoaded());
}

}  // namespace
}  // namespace veldrix::test
