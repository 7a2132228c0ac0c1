// Driver files that must not be loaded into the program: ones whose loading
// brings a process down, and paths that are no regular file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "BindingFixture.h"
#include "BrokenLibraries.h"
#include "TempDir.h"

namespace veldrix::test {
namespace {

class BrokenDriverTest : public BindingFixture {
protected:
    void expectRefused(const std::string& path) {
        ui.boxes.clear();
        EXPECT_FALSE(bind(path)) << path;
        EXPECT_FALSE(binding.bound());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Can't load driver:  " + path);
        EXPECT_EQ(block.bdport, nullptr);
        // The port list is rebuilt even so.
        EXPECT_EQ(ports.entries().back().label, "SIM");
    }
};

TEST_F(BrokenDriverTest, ADriverWhoseLoadingFaultsIsReportedAndTheProgramGoesOn) {
    TempDir dir;
    expectRefused(faultingConstructorLibrary());
    expectRefused(writeTruncatedLibrary(dir, "parlink.so", driverPath("parlink.so")));
    // A good driver binds afterwards as ever.
    EXPECT_TRUE(bind(driverPath("parlink.so")));
}

TEST_F(BrokenDriverTest, APathThatIsNoRegularFileIsNeverOpened) {
    TempDir dir;
    const std::string fifo = dir.file("driver.so");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening the FIFO would wait for a writer for ever.
    expectRefused(fifo);
    expectRefused(dir.path().string());
}

}  // namespace
}  // namespace veldrix::test
