// Image files in raw, Intel HEX and S-record through veldrix-cli on the
// simulated board: written and read in every format, taken by content
// unless --format says otherwise, and refused whole when a record is bad.

#include <gtest/gtest.h>
#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>

#include <filesystem>
#include <string>

#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kFileError = toInt(ExitCode::FileError);

class CliImageFormats : public CliEndToEnd, public ::testing::WithParamInterface<ModuleCase> {
protected:
    // Writes `file` into the chip as it stands, erasing first where the chip needs it.
    CliRun writeChip(const std::string& file) const {
        if (GetParam().erasable) {
            EXPECT_EQ(cli({"erase"}).exitCode, kSuccess);
        }
        return cli({"write", path(file), "--yes"});
    }

    // The chip's contents, read into a raw file.
    std::string chipContents() const {
        const std::string back = file("chip.bin");
        EXPECT_EQ(cli({"read", path(back)}).exitCode, kSuccess);
        return readFile(back);
    }
};

TEST_P(CliImageFormats, EveryFormatRoundTripsThroughTheChip) {
    const ModuleCase& chip = GetParam();
    ASSERT_EQ(select(chip.module, chip.chip).exitCode, kSuccess);
    const std::string image = randomImage<std::string>(chip.size, 21);
    const std::string other = randomImage<std::string>(chip.size, 22);
    ASSERT_EQ(writeChip(writeFile("image.bin", image)).exitCode, kSuccess);

    // Read: the format of the extension.
    const std::string hex = file("image.hex");
    const std::string srec = file("image.s19");
    ASSERT_EQ(cli({"read", path(hex)}).exitCode, kSuccess);
    ASSERT_EQ(cli({"read", path(srec)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(hex).front(), ':');
    EXPECT_EQ(readFile(srec).substr(0, 2), "S0");

    // Write and compare: the format of the content.
    for (const std::string& records : {hex, srec}) {
        SCOPED_TRACE(records);
        if (!chip.erasable) {
            ASSERT_EQ(writeChip(writeFile("other.bin", other)).exitCode, kSuccess);
        }
        const CliRun written = writeChip(records);
        ASSERT_EQ(written.exitCode, kSuccess) << written.err;
        EXPECT_EQ(chipContents(), image);
        const CliRun compared = cli({"compare", path(records)});
        EXPECT_EQ(compared.exitCode, kSuccess) << compared.out;
        // Only a raw file's length says anything about the chip.
        EXPECT_FALSE(contains(written.err, "only the first")) << written.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Chips, CliImageFormats,
                         ::testing::Values(ModuleCase{"urania", "93C46B", 128, false},
                                           ModuleCase{"thalia", "W27C520", 65536, true}),
                         [](const auto& info) { return std::string(info.param.module); });

// The content says what a file holds, whatever its name; --format overrides
// the extension of read and the content of the others.
TEST_F(CliEndToEnd, TheContentOrAForcedFormatDecidesNotTheName) {
    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    const std::string image = randomImage<std::string>(128, 23);
    ASSERT_EQ(cli({"write", path(writeFile("image.bin", image)), "--yes"}).exitCode, kSuccess);
    const std::string hex = file("image.hex");
    ASSERT_EQ(cli({"read", path(hex)}).exitCode, kSuccess);
    ASSERT_EQ(
        cli({"write", path(writeFile("other.bin", randomImage<std::string>(128, 27))), "--yes"})
            .exitCode,
        kSuccess);
    ASSERT_EQ(cli({"write", path(writeFile("renamed.bin", readFile(hex))), "--yes"}).exitCode,
              kSuccess);
    EXPECT_EQ(cli({"compare", path(file("image.bin"))}).exitCode, kSuccess);

    const std::string forced = file("image.bin.txt");
    ASSERT_EQ(cli({"read", path(forced), "--format", "srec"}).exitCode, kSuccess);
    EXPECT_EQ(readFile(forced).substr(0, 2), "S0");
    EXPECT_EQ(cli({"compare", path(forced)}).exitCode, kSuccess);

    // Taken as raw, the record text is what the chip gets.
    const std::string text = readFile(forced);
    const CliRun raw = cli({"write", path(forced), "--yes", "--format", "raw"});
    ASSERT_EQ(raw.exitCode, kSuccess) << raw.err;
    const std::string back = file("back.bin");
    ASSERT_EQ(cli({"read", path(back)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(back), text.substr(0, 128));
    // That raw file is longer than the chip, and the user is told.
    EXPECT_TRUE(contains(raw.err, "only the first 128 are used")) << raw.err;
}

// A record file with one bad line is refused as a whole, the line named:
// nothing of it reaches the chip.
TEST_F(CliEndToEnd, ADamagedRecordFileLeavesTheChipAsItWas) {
    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    const std::string image = randomImage<std::string>(128, 24);
    ASSERT_EQ(cli({"write", path(writeFile("image.bin", image)), "--yes"}).exitCode, kSuccess);
    // A text of other bytes, as Intel HEX.
    ASSERT_EQ(
        cli({"write", path(writeFile("other.bin", randomImage<std::string>(128, 25))), "--yes"})
            .exitCode,
        kSuccess);
    const std::string hex = file("other.hex");
    ASSERT_EQ(cli({"read", path(hex)}).exitCode, kSuccess);
    ASSERT_EQ(cli({"write", path(file("image.bin")), "--yes"}).exitCode, kSuccess);

    // The checksum of the third line no longer fits its bytes.
    std::string damaged = readFile(hex);
    std::size_t third = 0;
    for (int line = 0; line < 2; ++line) {
        third = damaged.find('\n', third) + 1;
    }
    damaged[third + 9] = damaged[third + 9] == '0' ? '1' : '0';
    const std::string bad = writeFile("bad.hex", damaged);

    for (const char* command : {"write", "compare"}) {
        SCOPED_TRACE(command);
        const CliRun run = cli({command, path(bad), "--yes"});
        EXPECT_EQ(run.exitCode, kFileError);
        EXPECT_TRUE(contains(run.err, "Error in file bad.hex: Line 3: checksum error")) << run.err;
        EXPECT_TRUE(contains(run.err, "cannot read '" + bad + "': Line 3: checksum error"))
            << run.err;
    }
    const std::string back = file("back.bin");
    ASSERT_EQ(cli({"read", path(back)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(back), image);
}

// A record file's digests are those of its image, not of its text: of the
// chip it was read from, when it covers the whole chip.
TEST_F(CliEndToEnd, ARecordFilesDigestsAreThoseOfItsImage) {
    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    const std::string image = writeFile("image.bin", randomImage<std::string>(128, 26));
    ASSERT_EQ(cli({"write", path(image), "--yes"}).exitCode, kSuccess);
    const std::string hex = file("image.hex");
    const std::string srec = file("image.srec");
    ASSERT_EQ(cli({"read", path(hex)}).exitCode, kSuccess);
    ASSERT_EQ(cli({"read", path(srec)}).exitCode, kSuccess);

    const CliRun ofChip = cli({"digest"});
    ASSERT_EQ(ofChip.exitCode, kSuccess);
    for (const std::string& name : {image, hex, srec}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(cli({"digest", path(name)}).out, ofChip.out);
    }
    // Taken as raw, the text is the image.
    const QByteArray text = QByteArray::fromStdString(readFile(hex));
    const std::string textMd5 =
        QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex().toUpper().toStdString();
    EXPECT_TRUE(contains(cli({"digest", path(hex), "--format", "raw"}).out, "MD5: " + textMd5));

    // A damaged record file is refused with its line.
    const CliRun bad = cli({"digest", path(writeFile("bad.hex", ":0100000011EF\n:00000001FF\n"))});
    EXPECT_EQ(bad.exitCode, kFileError);
    EXPECT_TRUE(contains(bad.err, "Line 1: checksum error")) << bad.err;
}

}  // namespace
}  // namespace veldrix::cli
