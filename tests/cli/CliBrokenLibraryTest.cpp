// Plug-in files whose loading brings a process down, and driver paths that
// are no regular file: veldrix-cli names them, skips them and ends normally.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QStringList>

#include <filesystem>
#include <string>

#include "BrokenLibraries.h"
#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kNoHardware = toInt(ExitCode::NoHardware);

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliBrokenLibrary : public CliEndToEnd {
protected:
    void SetUp() override {
        root_ = file("modules");
        const std::filesystem::path family = std::filesystem::path(root_) / "tessaro";
        std::filesystem::create_directories(family);
        const std::filesystem::path good =
            std::filesystem::path(VELDRIX_HOSTILE_MODULES) / "keyed.so";
        std::filesystem::copy_file(good, family / "keyed.so");
        writeFile("modules/tessaro/keyed.cfg", "chip=HOST\r\nsize=256\r\n");
        std::filesystem::copy_file(test::faultingConstructorLibrary(), family / "crash.so");
        test::writeTruncatedLibrary(scratch_, "cut.so", good.string());
        std::filesystem::copy_file(scratch_.file("cut.so"), family / "cut.so");
    }

    CliRun withRoot(QStringList arguments) const {
        arguments << "--family"
                  << "tessaro"
                  << "--module-root" << QString::fromStdString(root_) << "--port"
                  << "SIM";
        return cli(arguments);
    }

    test::TempDir scratch_;
    std::string root_;
};

TEST_F(CliBrokenLibrary, ModulesThatWouldCrashTheProgramAreNamedAndSkipped) {
    const CliRun listed = withRoot({"modules"});
    EXPECT_EQ(listed.exitCode, kSuccess) << listed.err;
    EXPECT_TRUE(contains(listed.out, "keyed")) << listed.out;
    EXPECT_FALSE(contains(listed.out, "crash")) << listed.out;
    EXPECT_FALSE(contains(listed.out, "cut")) << listed.out;
    EXPECT_TRUE(contains(listed.err, "Can't load module:  crash")) << listed.err;
    EXPECT_TRUE(contains(listed.err, "Can't load module:  cut")) << listed.err;

    const CliRun read = withRoot(
        {"--module", "keyed", "--chip", "HOST", "read", QString::fromStdString(file("x"))});
    EXPECT_EQ(read.exitCode, kSuccess) << read.err;
}

TEST_F(CliBrokenLibrary, ADriverThatWouldCrashOrBlockTheProgramIsRefused) {
    const std::string fifo = file("fifo.so");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string truncated = test::writeTruncatedLibrary(
        scratch_, "parlink.so",
        (std::filesystem::path(VELDRIX_CLI_PATH).parent_path() / "Hardware" / "parlink.so")
            .string());
    for (const std::string& driver : {test::faultingConstructorLibrary(), truncated, fifo}) {
        SCOPED_TRACE(driver);
        const CliRun run = cli({"--driver", QString::fromStdString(driver), "id"});
        EXPECT_EQ(run.exitCode, kNoHardware);
        EXPECT_TRUE(contains(run.err, "Can't load driver:  " + driver)) << run.err;
    }
}

}  // namespace
}  // namespace veldrix::cli
