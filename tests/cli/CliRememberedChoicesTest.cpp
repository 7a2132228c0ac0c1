// veldrix-cli when the remembered port, module or chip cannot be restored
// as chosen: it never touches a chip nobody chose, and never remembers what
// stood in for a choice.

#include <gtest/gtest.h>
#include <QSettings>
#include <QStringList>

#include <filesystem>
#include <string>

#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kNoHardware = toInt(ExitCode::NoHardware);

// The shipped modules in a module root of the test's own, where one can
// go missing.
class CliVanishingChoices : public CliEndToEnd {
protected:
    void SetUp() override {
        root_ = file("modules");
        std::filesystem::copy(
            std::filesystem::path(VELDRIX_CLI_PATH).parent_path() / "Modules for 0.04", root_,
            std::filesystem::copy_options::recursive);
        const CliRun chosen = cli({"--family", "tessaro", "--module-root", path(root_), "--port",
                                   "SIM", "--module", "calypso", "--chip", "W27C512", "modules"});
        ASSERT_EQ(chosen.exitCode, kSuccess) << chosen.err;
        remembered_ = readFile(file("settings.ini"));
    }

    // The settings still name what was chosen, not what stood in for it.
    void expectChoicesKept() const { EXPECT_EQ(readFile(file("settings.ini")), remembered_); }

    std::string root_;
    std::string remembered_;
};

// Whatever stood in for the remembered module or chip is not what the user
// chose: nothing touches the chip, and nothing makes the stand-in remembered.
TEST_F(CliVanishingChoices, ARemovedModuleIsNamedAndNoChipIsTouched) {
    std::filesystem::remove(std::filesystem::path(root_) / "tessaro/calypso.so");
    const std::string image = writeFile("image.bin", randomImage<std::string>(65536, 4));
    for (const QStringList& command :
         {QStringList{"write", path(image), "--yes"}, QStringList{"read", path(file("back.bin"))},
          QStringList{"erase"}, QStringList{"digest"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliRun run = cli(command);
        EXPECT_EQ(run.exitCode, kNoHardware);
        EXPECT_TRUE(contains(run.err, "the remembered chip module 'calypso' is not in")) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(file("back.bin")));
    EXPECT_FALSE(std::filesystem::exists(file("sim")));
    expectChoicesKept();

    // A listing goes on with the stand-in and says so.
    const CliRun listed = cli({"chips"});
    EXPECT_EQ(listed.exitCode, kSuccess);
    EXPECT_TRUE(contains(listed.err, "the remembered chip module 'calypso' is not in"))
        << listed.err;
    EXPECT_TRUE(contains(listed.err, "'thalia' stands in for it")) << listed.err;
    expectChoicesKept();
}

TEST_F(CliVanishingChoices, ARemovedChipIsNamedAndTheModuleIsNotUsed) {
    writeFile("modules/tessaro/calypso.cfg", "chip=W27E257\r\nsize=32768\r\n");
    const CliRun run = cli({"read", path(file("back.bin"))});
    EXPECT_EQ(run.exitCode, kNoHardware);
    EXPECT_TRUE(contains(run.err, "the remembered chip 'W27C512' is not in module 'calypso'"))
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("back.bin")));
    expectChoicesKept();
    EXPECT_EQ(cli({"keys"}).exitCode, kSuccess);
    expectChoicesKept();
}

TEST_F(CliVanishingChoices, AConfigurationFileThatGivesNoChipsSaysWhy) {
    const std::filesystem::path config = std::filesystem::path(root_) / "tessaro/calypso.cfg";
    std::filesystem::remove(config);
    std::filesystem::create_directory(config);
    const CliRun notAFile = cli({"chips"});
    EXPECT_TRUE(contains(notAFile.err, "calypso.cfg is not a regular file")) << notAFile.err;

    std::filesystem::remove(config);
    const CliRun missing = cli({"chips"});
    EXPECT_TRUE(contains(missing.err, "calypso.cfg was missing: made empty, no chips"))
        << missing.err;
}

TEST_F(CliVanishingChoices, ARemovedPortIsNamed) {
    QSettings settings(path(file("settings.ini")), QSettings::IniFormat);
    settings.setValue("Hardware/tessaro/port", "LPT7");
    settings.sync();
    const CliRun run = cli({"blank"});
    EXPECT_EQ(run.exitCode, kNoHardware);
    EXPECT_TRUE(contains(run.err, "the remembered port 'LPT7' is not among the family's ports"))
        << run.err;
    EXPECT_EQ(settings.value("Hardware/tessaro/port").toString(), "LPT7");
    // Given on the command line, the port is chosen again.
    EXPECT_EQ(cli({"--port", "SIM", "blank"}).exitCode, kSuccess);
}

// The board is tested on the port chosen, never on a stand-in for it; the
// chip chosen does not matter to it.
TEST_F(CliVanishingChoices, TheSelfTestNeedsTheRememberedPortButNoChip) {
    std::filesystem::remove(std::filesystem::path(root_) / "tessaro/calypso.so");
    const CliRun withoutModule = cli({"selftest"});
    EXPECT_EQ(withoutModule.exitCode, kSuccess) << withoutModule.err;
    EXPECT_TRUE(contains(withoutModule.err, "the remembered chip module 'calypso' is not in"))
        << withoutModule.err;

    QSettings settings(path(file("settings.ini")), QSettings::IniFormat);
    settings.setValue("Hardware/tessaro/port", "LPT7");
    settings.sync();
    const CliRun run = cli({"selftest"});
    EXPECT_EQ(run.exitCode, kNoHardware);
    EXPECT_TRUE(contains(run.err, "the remembered port 'LPT7' is not among the family's ports"))
        << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

// Without any choice stored, nobody chose a chip.
TEST_F(CliEndToEnd, NoChipIsTouchedBeforeOneWasChosen) {
    const CliRun run = cli({"--family", "tessaro", "erase"});
    EXPECT_EQ(run.exitCode, kNoHardware);
    EXPECT_TRUE(contains(run.err, "no port chosen")) << run.err;
    EXPECT_TRUE(contains(run.err, "no chip module chosen")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("sim")));
    EXPECT_EQ(cli({"--port", "SIM", "--module", "calypso", "--chip", "W27E257", "erase"}).exitCode,
              kSuccess);
}

}  // namespace
}  // namespace veldrix::cli
