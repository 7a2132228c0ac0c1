#include <gtest/gtest.h>

#include <filesystem>

#include "SettingsFixture.h"

namespace veldrix::test {
namespace {

using FamilySettingsTest = SettingsFixture;

TEST_F(FamilySettingsTest, ReadsTheFourTextsOfTheFamilySection) {
    dir.write("drivers/parlink.so", "");
    writeIni(
        "[Hardware]\n"
        "tessaro\\port=LPT1\ntessaro\\lastmodule=urania\ntessaro\\lastchip=27C256\n"
        "tessaro\\driver=drivers/parlink.so\n");
    const FamilySettings read = readFamily(tessaro());
    EXPECT_EQ(read.port, "LPT1");
    EXPECT_EQ(read.lastmodule, "urania");
    EXPECT_EQ(read.lastchip, "27C256");
    EXPECT_EQ(read.driver, "drivers/parlink.so");
}

TEST_F(FamilySettingsTest, DriverThatIsNoFileBecomesTheFamilyDefault) {
    std::filesystem::create_directories(dir.path() / "drivers");
    for (const std::string driver : {"drivers/missing.so", "drivers", ""}) {
        TempDir other;
        const std::string ini =
            other.write("s.conf", "[Hardware]\ntessaro\\driver=" + driver + "\n");
        SettingsStore store = SettingsStore::openFile(QString::fromStdString(ini), dir.path());
        store.readFamily(tessaro());
        EXPECT_EQ(store.family().driver, "Hardware/tessaro.so") << "driver '" << driver << "'";
    }
}

TEST_F(FamilySettingsTest, AbsoluteDriverPathIsKeptWhenTheFileExists) {
    const std::string driver = dir.write("elsewhere/serlink.so", "");
    writeIni("[Hardware]\nzenta\\driver=" + driver + "\n");
    EXPECT_EQ(readFamily(zenta()).driver, driver);
}

TEST_F(FamilySettingsTest, ReadingAFamilyForgetsThePreviousFamilysTexts) {
    writeIni("[Hardware]\ntessaro\\port=LPT1\ntessaro\\lastmodule=urania\n");
    SettingsStore store = open();
    store.readFamily(tessaro());
    ASSERT_EQ(store.family().lastmodule, "urania");

    store.readFamily(zenta());
    EXPECT_EQ(store.family().port, "");
    EXPECT_EQ(store.family().lastmodule, "");
    EXPECT_EQ(store.family().lastchip, "");
    EXPECT_EQ(store.family().driver, "Hardware/zenta.so");
}

TEST_F(FamilySettingsTest, WritingBeforeAnyFamilyWasReadWritesNothing) {
    SettingsStore store = open();
    store.family().lastmodule = "urania";
    EXPECT_EQ(store.run(SettingsStore::kWriteFamily, kScreen, nullptr, "LPT1"), 0);
    store.run(SettingsStore::kWriteAll, kScreen, nullptr, "LPT1");
    EXPECT_FALSE(store.familySectionRead());
    EXPECT_EQ(iniText().find("urania"), std::string::npos);
    EXPECT_EQ(iniText().find("Hardware"), std::string::npos);
}

TEST_F(FamilySettingsTest, WritesTheSelectedPortNotTheOneRead) {
    writeIni("[Hardware]\ntessaro\\port=LPT1\n");
    SettingsStore store = open();
    store.readFamily(tessaro());
    store.writeFamily("LPT2");
    EXPECT_EQ(readFamily(tessaro()).port, "LPT2");

    store.writeFamily("");  // no port selected
    EXPECT_EQ(readFamily(tessaro()).port, "");
}

TEST_F(FamilySettingsTest, SwitchingFamiliesWritesTheFirstBeforeReadingTheSecond) {
    SettingsStore store = open();
    store.run(SettingsStore::kReadFamily, kScreen, &tessaro(), "");
    store.family().lastmodule = "urania";
    store.family().lastchip = "27C512";

    // The switch: write the old section, then read the new family's.
    store.run(SettingsStore::kWriteFamily, kScreen, &zenta(), "LPT1");
    store.run(SettingsStore::kReadFamily, kScreen, &zenta(), "");
    EXPECT_EQ(store.family().lastmodule, "");
    store.family().lastmodule = "thalia";
    store.run(SettingsStore::kWriteFamily, kScreen, &zenta(), "COM1");

    const FamilySettings first = readFamily(tessaro());
    EXPECT_EQ(first.lastmodule, "urania");
    EXPECT_EQ(first.lastchip, "27C512");
    EXPECT_EQ(first.port, "LPT1");
    const FamilySettings second = readFamily(zenta());
    EXPECT_EQ(second.lastmodule, "thalia");
    EXPECT_EQ(second.lastchip, "");
    EXPECT_EQ(second.port, "COM1");
}

TEST_F(FamilySettingsTest, FamilyWithoutDirectoryNameReadsAndWritesNothing) {
    writeIni("[Hardware]\n\\port=LPT1\n");
    const HardwareFamily nameless{};
    SettingsStore store = open();
    store.family().lastmodule = "stale";
    store.readFamily(nameless);
    EXPECT_TRUE(store.familySectionRead());
    EXPECT_EQ(store.family(), FamilySettings{});

    const std::string before = iniText();
    store.family().lastmodule = "urania";
    store.writeFamily("LPT1");
    EXPECT_EQ(iniText(), before);
}

TEST_F(FamilySettingsTest, ModeOneWithoutAFamilyIsAFamilyWithoutDirectoryName) {
    SettingsStore store = open();
    store.family().port = "stale";
    store.run(SettingsStore::kReadFamily, kScreen, nullptr, "");
    EXPECT_TRUE(store.familySectionRead());
    EXPECT_EQ(store.family(), FamilySettings{});
}

}  // namespace
}  // namespace veldrix::test
