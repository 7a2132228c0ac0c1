#include <gtest/gtest.h>
#include <unistd.h>

#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

#include "SettingsFixture.h"

namespace veldrix::test {
namespace {

using SettingsFileTest = SettingsFixture;

// Every value away from its default.
ProgramSettings changedSettings() {
    ProgramSettings s;
    s.general = {3, 0, 0, 2, 0, 0, 1};
    s.main.beep = 0;
    s.main.ECR = 0xE4;
    s.main.start_drv = 0;
    s.main.all_module_dir = "mods";
    s.main.language = Language::Russian;
    s.colors = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112, 0xFFFFFFFF};
    s.font = {-12, 7, 900, 450, 700, 1, 1, 1, 204, 3, 4, 5, 0x02, "Courier New, Bold"};
    s.position = {600, 900, 40, 30, 200, 150};
    return s;
}

TEST_F(SettingsFileTest, WrittenValuesReadBackTheSame) {
    std::filesystem::create_directory(dir.path() / "mods");
    dir.write("drv/parlink.so", "");
    const ProgramSettings written = changedSettings();
    FamilySettings family{"", "calypso", "93C46", "drv/parlink.so"};
    {
        SettingsStore store = open();
        store.run(SettingsStore::kReadFamily, kScreen, &tessaro(), "");
        store.settings() = written;
        store.family() = family;
        EXPECT_EQ(store.run(SettingsStore::kWriteAll, kScreen, &tessaro(), "LPT3"), 0);
    }
    SettingsStore store = open();
    EXPECT_EQ(store.run(SettingsStore::kReadGeneral, kScreen, nullptr, ""), 0);
    EXPECT_EQ(store.run(SettingsStore::kReadFamily, kScreen, &tessaro(), ""), 0);
    EXPECT_EQ(store.settings(), written);
    family.port = "LPT3";
    EXPECT_EQ(store.family(), family);
}

TEST_F(SettingsFileTest, ModesFourAndFiveWriteTheirOwnSectionsOnly) {
    SettingsStore store = open();
    store.readFamily(zenta());
    store.family().lastchip = "24C02";
    store.settings().main.beep = 0;

    store.run(SettingsStore::kWriteGeneral, kScreen, nullptr, "");
    EXPECT_EQ(readGeneral().main.beep, 0);
    EXPECT_EQ(readFamily(zenta()).lastchip, "");

    store.run(SettingsStore::kWriteFamily, kScreen, nullptr, "");
    EXPECT_EQ(readFamily(zenta()).lastchip, "24C02");
}

TEST_F(SettingsFileTest, FirstWriteStoresEveryValue) {
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.writeGeneral();
    const std::string text = iniText();
    for (const char* name : {"hardware=0",
                             "EepSplit=1",
                             "forcewr=1",
                             "checkwr=1",
                             "testins=1",
                             "conformation=1",
                             "markclear=0",
                             "readtwice=0",
                             "beep=1",
                             "ECR=53",
                             "start_drv=1",
                             "all_module_dir=Modules for 0.04",
                             "LANG=EN",
                             "adrcol=8421504",
                             "hexcol=16744448",
                             "asciicol=128",
                             "nucol=14211288",
                             "hlcol=255",
                             "markcol=4227327",
                             "MarkBkgCol=1052688",
                             "lfHeight=-19",
                             "lfWidth=0",
                             "lfEscapement=0",
                             "lfOrientation=0",
                             "lfWeight=400",
                             "lfItalic=0",
                             "lfUnderline=0",
                             "lfStrikeOut=0",
                             "lfCharSet=255",
                             "lfOutPrecision=1",
                             "lfClipPrecision=2",
                             "lfQuality=1",
                             "lfPitchAndFamily=49",
                             "lfFaceName=Terminal",
                             "H=280",
                             "W=750",
                             "Y=100",
                             "X=100",
                             "PX=-1",
                             "PY=-1"}) {
        EXPECT_NE(text.find(std::string("\n") + name + "\n"), std::string::npos) << name;
    }
}

TEST_F(SettingsFileTest, AFamilyChoiceIsHeldOnlyOnceWritten) {
    SettingsStore store = open();
    EXPECT_FALSE(store.holdsFamilyChoice());
    // The progress window's place alone is no choice of a family.
    store.saveProgressPosition(10, 20);
    EXPECT_FALSE(store.holdsFamilyChoice());
    store.readGeneral(kScreen);
    store.writeGeneral();
    EXPECT_TRUE(store.holdsFamilyChoice());
    // Written by hand, in another spelling.
    writeIni("[general]\nHARDWARE=2\n");
    EXPECT_TRUE(open().holdsFamilyChoice());
}

TEST_F(SettingsFileTest, TheProgressWindowsPlaceIsWrittenOnlyWhenItMoved) {
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.saveProgressPosition(10, 20);
    EXPECT_NE(iniText().find("PX=10"), std::string::npos);
    // Changed behind the store's back: the same place again writes nothing.
    writeIni("[Position]\nPX=99\nPY=20\n");
    store.saveProgressPosition(10, 20);
    EXPECT_NE(iniText().find("PX=99"), std::string::npos);
    store.saveProgressPosition(11, 20);
    EXPECT_NE(iniText().find("PX=11"), std::string::npos);
    EXPECT_EQ(store.settings().position.PX, 11);
}

TEST_F(SettingsFileTest, IntegersAreWrittenFromTheKeptValue) {
    writeIni("[General]\nhardware=6\n[Main]\nECR=511\nLANG=RU\n");
    {
        SettingsStore store = open();
        store.readGeneral(kScreen);
        store.writeGeneral();
    }
    const std::string text = iniText();
    EXPECT_NE(text.find("\nhardware=2\n"), std::string::npos);
    EXPECT_NE(text.find("\nECR=255\n"), std::string::npos);
    EXPECT_NE(text.find("\nLANG=RU\n"), std::string::npos);
}

TEST_F(SettingsFileTest, LowerCaseRuIsWrittenBackAsEnglish) {
    writeIni("[Main]\nLANG=ru\n");
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.writeGeneral();
    EXPECT_NE(iniText().find("\nLANG=EN\n"), std::string::npos);
}

TEST_F(SettingsFileTest, GeneralSectionIsTheFilesGeneralSection) {
    SettingsStore store = open();
    store.settings().general.hardware = 2;
    store.writeGeneral();
    const std::string text = iniText();
    EXPECT_EQ(text.rfind("[General]\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nhardware=2\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("%General"), std::string::npos);
}

TEST_F(SettingsFileTest, GeneralSectionWrittenAsAQtGroupIsReadAndRewrittenPlainly) {
    {
        // What another QSettings user writes for a group named "General".
        QSettings other(QString::fromStdString(iniPath()), QSettings::IniFormat);
        other.setValue("General/hardware", 3);
        other.setValue("General/EepSplit", 0);
        other.setValue("General/unknown", 5);
    }
    ASSERT_NE(iniText().find("[%General]"), std::string::npos);

    SettingsStore store = open();
    store.readGeneral(kScreen);
    EXPECT_EQ(store.settings().general.hardware, 3u);
    EXPECT_EQ(store.settings().general.EepSplit, 0);

    store.writeGeneral();
    const std::string text = iniText();
    EXPECT_EQ(text.find("%General"), std::string::npos) << text;
    EXPECT_NE(text.find("\nunknown=5\n"), std::string::npos) << "values of others are kept";
    EXPECT_EQ(readGeneral().general.hardware, 3u);
}

TEST_F(SettingsFileTest, NamesAreMatchedWithoutRegardToCase) {
    writeIni(
        "[general]\nHARDWARE=1\n"
        "[colors]\nADRCOL=255\n"
        "[FONT]\nlffacename=Courier\n"
        "[main]\nLang=RU\n"
        "[HARDWARE]\nTessaro\\Port=LPT1\n");
    const ProgramSettings read = readGeneral();
    EXPECT_EQ(read.general.hardware, 1u);
    EXPECT_EQ(read.colors.adrcol, 255u);
    EXPECT_EQ(read.font.lfFaceName, "Courier");
    EXPECT_EQ(read.main.language, Language::Russian);
    EXPECT_EQ(readFamily(tessaro()).port, "LPT1");
}

TEST_F(SettingsFileTest, CanonicalSpellingWinsOverOthers) {
    writeIni("[colors]\nadrcol=2\n[Colors]\nADRCOL=3\nadrcol=1\n");
    EXPECT_EQ(readGeneral().colors.adrcol, 1u);
}

TEST_F(SettingsFileTest, WritingLeavesOneSpellingOfEachSectionAndValue) {
    writeIni(
        "[colors]\nADRCOL=255\nextra=7\n"
        "[font]\nlfHeight=-8\n"
        "[Colors]\nHexCol=1\n"
        "[HARDWARE]\nTessaro\\Port=LPT1\nTessaro\\custom=x\n"
        "[Other]\nkeep=1\n");
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.readFamily(tessaro());
    store.run(SettingsStore::kWriteAll, kScreen, &tessaro(), "LPT2");

    const std::string text = iniText();
    for (const char* gone : {"[colors]", "[font]", "ADRCOL", "HexCol", "HARDWARE", "Tessaro"}) {
        EXPECT_EQ(text.find(gone), std::string::npos) << gone << " in\n" << text;
    }
    EXPECT_NE(text.find("[Colors]\nMarkBkgCol"), std::string::npos) << text;
    EXPECT_NE(text.find("\nadrcol=255\n"), std::string::npos);
    EXPECT_NE(text.find("\nhexcol=1\n"), std::string::npos);
    EXPECT_NE(text.find("\nlfHeight=-8\n"), std::string::npos);
    EXPECT_NE(text.find("\nextra=7\n"), std::string::npos) << "moved, not lost";
    EXPECT_NE(text.find("tessaro\\custom=x"), std::string::npos);
    EXPECT_NE(text.find("tessaro\\port=LPT2"), std::string::npos);
    EXPECT_NE(text.find("[Other]\nkeep=1\n"), std::string::npos);
}

TEST_F(SettingsFileTest, FamilySectionsAreSeparate) {
    SettingsStore store = open();
    for (unsigned index = 0; index < kHardwareFamilyCount; ++index) {
        store.readFamily(hardwareFamily(index));
        store.family().lastchip = "chip" + std::to_string(index);
        store.writeFamily("port" + std::to_string(index));
    }
    for (unsigned index = 0; index < kHardwareFamilyCount; ++index) {
        const FamilySettings read = readFamily(hardwareFamily(index));
        EXPECT_EQ(read.lastchip, "chip" + std::to_string(index));
        EXPECT_EQ(read.port, "port" + std::to_string(index));
    }
}

TEST_F(SettingsFileTest, OtherModesDoNothing) {
    SettingsStore store = open();
    store.settings().main.beep = 0;
    for (const int mode : {-1, 2, 3, 7, 256}) {
        EXPECT_EQ(store.run(mode, kScreen, &tessaro(), "LPT1"), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
    EXPECT_EQ(store.settings().main.beep, 0);
    EXPECT_FALSE(store.familySectionRead());
}

TEST_F(SettingsFileTest, ProgressWindowPlaceIsSavedAtOnceAndKept) {
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.saveProgressPosition(321, 123);
    EXPECT_EQ(readGeneral().position.PX, 321);
    EXPECT_EQ(readGeneral().position.PY, 123);

    // Writing all settings later does not put back the place read at start.
    store.writeGeneral();
    EXPECT_EQ(readGeneral().position.PX, 321);
}

// Each way of writing says when its values did not reach the file, and
// names the file.
TEST_F(SettingsFileTest, AWriteThatCannotReachTheFileIsReported) {
    // A name the file system refuses, whoever runs the test.
    const std::string unwritable = dir.file(std::string(300, 'n') + ".conf");
    const auto writes = {
        +[](SettingsStore& store) { store.writeGeneral(); },
        +[](SettingsStore& store) {
            store.readFamily(tessaro());
            store.writeFamily("SIM");
        },
        +[](SettingsStore& store) { store.saveProgressPosition(1, 2); },
    };
    for (const auto write : writes) {
        SettingsStore store = SettingsStore::openFile(QString::fromStdString(unwritable));
        store.readGeneral(kScreen);
        EXPECT_FALSE(store.writeFailure());
        write(store);
        ASSERT_TRUE(store.writeFailure());
        EXPECT_EQ(store.writeFailure()->location, unwritable);
        EXPECT_EQ(settingsWriteFailureText(*store.writeFailure()),
                  "Settings not saved: cannot write " + unwritable);

        SettingsStore writable = open();
        writable.readGeneral(kScreen);
        write(writable);
        EXPECT_FALSE(writable.writeFailure());
    }
}

TEST_F(SettingsFileTest, AReadOnlyFileIsReported) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind root";
    }
    writeIni("[General]\nhardware=1\n");
    std::filesystem::permissions(iniPath(), std::filesystem::perms::owner_read);
    SettingsStore store = open();
    store.readGeneral(kScreen);
    store.settings().general.hardware = 2;
    store.writeGeneral();
    EXPECT_TRUE(store.writeFailure());
    EXPECT_EQ(iniText(), "[General]\nhardware=1\n");
}

TEST_F(SettingsFileTest, UserStoreLivesInTheOrganisationsFolder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir.path().string()));
    {
        SettingsStore store = SettingsStore::openUserStore();
        store.settings().general.markclear = 1;
        store.writeGeneral();
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const std::string text = TempDir::read(dir.file("Quenby Labs/VELDRIX.conf"));
    EXPECT_NE(text.find("[General]\n"), std::string::npos);
    EXPECT_NE(text.find("\nmarkclear=1\n"), std::string::npos);
}

}  // namespace
}  // namespace veldrix::test
