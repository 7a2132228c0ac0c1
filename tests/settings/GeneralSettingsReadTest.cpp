#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <ostream>

#include "SettingsFixture.h"

namespace veldrix::test {
namespace {

using GeneralSettingsReadTest = SettingsFixture;

TEST_F(GeneralSettingsReadTest, EmptyStoreReadsTheDefaults) {
    const ProgramSettings read = readGeneral();

    ProgramSettings expected;
    expected.main.all_module_dir = kDefaultModuleRoot;
    EXPECT_EQ(read, expected);
}

TEST_F(GeneralSettingsReadTest, HardwareKeepsItsLowTwoBits) {
    writeIni("[General]\nhardware=6\n");
    EXPECT_EQ(readGeneral().general.hardware, 2u);
}

TEST_F(GeneralSettingsReadTest, NegativeHardwareIndexSelectsTheLastFamily) {
    writeIni("[General]\nhardware=-1\n");
    EXPECT_EQ(readGeneral().general.hardware, 3u);
}

TEST_F(GeneralSettingsReadTest, OnlyUpperCaseRuSelectsRussian) {
    writeIni("[Main]\nLANG=RU\n");
    EXPECT_EQ(readGeneral().main.language, Language::Russian);
    for (const std::string lang : {"ru", "Ru", "RUS", "EN", ""}) {
        TempDir other;
        const std::string ini = other.write("s.conf", "[Main]\nLANG=" + lang + "\n");
        SettingsStore store = SettingsStore::openFile(QString::fromStdString(ini));
        store.readGeneral(kScreen);
        EXPECT_EQ(store.settings().main.language, Language::English) << lang;
    }
}

TEST_F(GeneralSettingsReadTest, ByteValuesKeepTheirLowEightBits) {
    writeIni(
        "[General]\nforcewr=2\ncheckwr=256\n"
        "[Main]\nECR=511\n"
        "[Font]\nlfCharSet=-1\nlfQuality=300\n");
    const ProgramSettings read = readGeneral();
    EXPECT_EQ(read.general.forcewr, 2) << "a byte, not a flag";
    EXPECT_EQ(read.general.checkwr, 0);
    EXPECT_EQ(read.main.ECR, 0xFF);
    EXPECT_EQ(read.font.lfCharSet, 0xFF);
    EXPECT_EQ(read.font.lfQuality, 300 & 0xFF);
}

TEST_F(GeneralSettingsReadTest, WholeNumbersAreThirtyTwoBitPatterns) {
    writeIni(
        "[Colors]\nadrcol=4294967295\nhexcol=-1\nasciicol=4294967296\n"
        "[Main]\nbeep=4294967295\nstart_drv=-2147483649\n");
    const ProgramSettings read = readGeneral();
    EXPECT_EQ(read.colors.adrcol, 0xFFFFFFFFu);
    EXPECT_EQ(read.colors.hexcol, 0xFFFFFFFFu);
    EXPECT_EQ(read.colors.asciicol, 0x000080u) << "beyond 32 bits: the default";
    EXPECT_EQ(read.main.beep, -1);
    EXPECT_EQ(read.main.start_drv, 1) << "beyond 32 bits: the default";
}

TEST_F(GeneralSettingsReadTest, ValuesOfTheWrongKindTakeTheirDefaults) {
    writeIni(
        "[General]\nhardware=two\nEepSplit=1.5\nforcewr=\n"
        "[Main]\nECR=0x40\n"
        "[Colors]\nnucol=12abc\nhlcol=1, 2\n"
        "[Position]\nW=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QPoint)\n"
        "[Font]\nlfFaceName=@Rect(1 2 3 4)\n");
    const ProgramSettings read = readGeneral();
    const ProgramSettings defaults;
    EXPECT_EQ(read.general, defaults.general);
    EXPECT_EQ(read.main.ECR, defaults.main.ECR);
    EXPECT_EQ(read.colors, defaults.colors);
    EXPECT_EQ(read.position.W, defaults.position.W);
    EXPECT_EQ(read.font.lfFaceName, "Terminal");
}

TEST_F(GeneralSettingsReadTest, GarbageFileReadsAsDefaultsAndCanBeOverwritten) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.push_back(static_cast<char>((i * 7919 + i / 13) & 0xFF));
    }
    garbage += "\n[General\nhardware\n=\n[]\n\\\\=\"\n";
    writeIni(garbage);

    SettingsStore store = open();
    store.readGeneral(kScreen);
    ProgramSettings expected;
    expected.main.all_module_dir = kDefaultModuleRoot;
    EXPECT_EQ(store.settings(), expected);

    store.settings().general.hardware = 3;
    store.writeGeneral();
    EXPECT_EQ(readGeneral().general.hardware, 3u);
}

TEST_F(GeneralSettingsReadTest, StoreThatCannotBeOpenedReadsAsDefaults) {
    std::filesystem::create_directory(iniPath());  // a directory where the file should be
    SettingsStore store = open();
    store.readGeneral(kScreen);
    EXPECT_EQ(store.settings().font, FontSettings{});
    store.writeGeneral();  // failed writes are not reported
    EXPECT_TRUE(std::filesystem::is_directory(iniPath()));
}

TEST_F(GeneralSettingsReadTest, FaceNameKeepsAtMostThirtyOneBytesOfWholeCharacters) {
    writeIni("[Font]\nlfFaceName=" + std::string(40, 'F') + "\n");
    EXPECT_EQ(readGeneral().font.lfFaceName, std::string(31, 'F'));

    // A two-byte character across the limit goes whole.
    dir.write("utf8.conf", "[Font]\nlfFaceName=" + std::string(30, 'a') + "\xC3\xA9z\n");
    SettingsStore store = SettingsStore::openFile(QString::fromStdString(dir.file("utf8.conf")));
    store.readGeneral(kScreen);
    EXPECT_EQ(store.settings().font.lfFaceName, std::string(30, 'a'));
}

TEST_F(GeneralSettingsReadTest, TextsEndAtTheFirstNulAndKeepUnquotedCommas) {
    writeIni("[Font]\nlfFaceName=\"Courier\\0New\"\n[Main]\nall_module_dir=mods, old\n");
    std::filesystem::create_directory(dir.path() / "mods, old");
    const ProgramSettings read = readGeneral();
    EXPECT_EQ(read.font.lfFaceName, "Courier");
    EXPECT_EQ(read.main.all_module_dir, "mods, old");
}

struct PlaceCase {
    int x, y, w, h;
    bool moved;
};

void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << "X " << c.x << " Y " << c.y << " W " << c.w << " H " << c.h;
}

class MainWindowPlaceTest : public SettingsFixture,
                            public ::testing::WithParamInterface<PlaceCase> {};

// Screen 1024 x 768: a moved window goes to (341, 256).
TEST_P(MainWindowPlaceTest, CentreOffTheScreenMovesTheWindowToAThird) {
    const PlaceCase c = GetParam();
    writeIni("[Position]\nX=" + std::to_string(c.x) + "\nY=" + std::to_string(c.y) +
             "\nW=" + std::to_string(c.w) + "\nH=" + std::to_string(c.h) + "\n");
    const PositionSettings place = readGeneral({1024, 768}).position;
    EXPECT_EQ(place.X, c.moved ? 341 : c.x);
    EXPECT_EQ(place.Y, c.moved ? 256 : c.y);
    EXPECT_EQ(place.W, c.w);
    EXPECT_EQ(place.H, c.h);
}

INSTANTIATE_TEST_SUITE_P(
    Places, MainWindowPlaceTest,
    ::testing::Values(PlaceCase{5000, 100, 750, 280, true},  // far right
                      PlaceCase{100, 100, 750, 280, false},
                      PlaceCase{1000, 0, 48, 280, true},    // centre x = 1024, the width
                      PlaceCase{1000, 0, 47, 280, false},   // centre x = 1023
                      PlaceCase{0, 700, 750, 136, true},    // centre y = 768, the height
                      PlaceCase{0, 700, 750, 135, false},   // centre y = 767
                      PlaceCase{-476, 0, 750, 280, true},   // centre x + 100 = -1
                      PlaceCase{-475, 0, 750, 280, false},  // centre x + 100 = 0
                      // Halves round toward zero: -3 / 2 is -1, so the centre is -100.
                      PlaceCase{-99, 0, -3, 280, false},
                      PlaceCase{0, -5000, 750, 280, false},  // above the screen is not checked
                      PlaceCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX, true},
                      PlaceCase{INT_MIN, 0, INT_MIN, 280, true}));

TEST_F(GeneralSettingsReadTest, ExistingModuleRootLosesOneTrailingSeparator) {
    std::filesystem::create_directories(dir.path() / "mods");
    writeIni("[Main]\nall_module_dir=mods\\\\\n");
    EXPECT_EQ(readGeneral().main.all_module_dir, "mods");

    const std::string absolute = (dir.path() / "mods").string();
    dir.write("abs.conf", "[Main]\nall_module_dir=" + absolute + "/\n");
    SettingsStore store = SettingsStore::openFile(QString::fromStdString(dir.file("abs.conf")));
    store.readGeneral(kScreen);
    EXPECT_EQ(store.settings().main.all_module_dir, absolute);
}

TEST_F(GeneralSettingsReadTest, ModuleRootThatIsNoDirectoryBecomesTheDefault) {
    dir.write("afile", "x");
    for (const std::string root : {"missing", "afile", "", "mods//"}) {
        std::filesystem::create_directories(dir.path() / "mods");
        TempDir other;
        const std::string ini = other.write("s.conf", "[Main]\nall_module_dir=" + root + "\n");
        SettingsStore store = SettingsStore::openFile(QString::fromStdString(ini), dir.path());
        store.readGeneral(kScreen);
        const std::string expected = root == "mods//" ? "mods/" : kDefaultModuleRoot;
        EXPECT_EQ(store.settings().main.all_module_dir, expected) << "root " << root;
    }
}

}  // namespace
}  // namespace veldrix::test
