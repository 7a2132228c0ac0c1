// The built veldrix-cli, run as a separate program on the simulated board:
// the drivers and modules of the build tree, a settings file and chip
// contents in a temporary directory.

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QProcess>
#include <QSettings>
#include <QStringList>

#include <csignal>
#include <ostream>

#include "CheckValue.h"
#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kUnchanged = toInt(ExitCode::FailedChipUnchanged);
constexpr int kChanged = toInt(ExitCode::FailedChipChanged);

class CliEachModule : public CliEndToEnd, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(CliEachModule, WriteReadBackCompareBlankEraseId) {
    const ModuleCase& chip = GetParam();
    ASSERT_EQ(select(chip.module, chip.chip).exitCode, kSuccess);
    const std::string image = writeFile("image.bin", randomImage<std::string>(chip.size, 7));

    if (chip.erasable) {
        EXPECT_EQ(cli({"erase"}).exitCode, kSuccess);
        EXPECT_EQ(cli({"blank"}).exitCode, kSuccess);
    }
    CliRun written = cli({"write", QString::fromStdString(image), "--yes"});
    ASSERT_EQ(written.exitCode, kSuccess) << written.err;

    const std::string back = file("back.bin");
    ASSERT_EQ(cli({"read", QString::fromStdString(back)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(back), readFile(image));
    EXPECT_EQ(cli({"compare", QString::fromStdString(image)}).exitCode, kSuccess);

    // One byte changed in the file: one difference, reported with both bytes.
    std::string changed = readFile(image);
    changed[5] = static_cast<char>(~changed[5]);
    const CliRun compared =
        cli({"compare", QString::fromStdString(writeFile("changed.bin", changed))});
    EXPECT_EQ(compared.exitCode, kUnchanged);
    EXPECT_NE(compared.out.find("1 Errors"), std::string::npos) << compared.out;
    char line[64];
    std::snprintf(line, sizeof line, "  00000005: chip %02X, expected %02X",
                  static_cast<unsigned char>(readFile(image)[5]),
                  static_cast<unsigned char>(changed[5]));
    EXPECT_NE(compared.out.find(line), std::string::npos) << compared.out;

    if (chip.erasable) {
        const CliRun blank = cli({"blank"});
        EXPECT_EQ(blank.exitCode, kUnchanged);
        EXPECT_NE(blank.out.find("Chip not blanked at"), std::string::npos);
        const CliRun id = cli({"id"});
        EXPECT_EQ(id.exitCode, kSuccess);
        EXPECT_EQ(id.out.rfind("ID: ", 0), 0u) << id.out;
        EXPECT_EQ(cli({"erase"}).exitCode, kSuccess);
        EXPECT_EQ(cli({"blank"}).exitCode, kSuccess);
    } else {
        const CliRun blank = cli({"blank"});
        EXPECT_EQ(blank.exitCode, kUnchanged);
        EXPECT_NE(blank.err.find("the module cannot blank"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, CliEachModule,
                         ::testing::Values(ModuleCase{"urania", "93C46B", 128, false},
                                           ModuleCase{"calypso", "W27E257", 32768, true},
                                           ModuleCase{"thalia", "W27C520", 65536, true}),
                         [](const auto& info) { return std::string(info.param.module); });

TEST_F(CliEndToEnd, StuckBitFailsTheWriteAfterTheChipChanged) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    ASSERT_EQ(cli({"erase"}).exitCode, kSuccess);
    // Byte 0x10 must keep bit 0 set, but the cell's bit 0 reads 0.
    std::string bytes(32768, '\x55');
    bytes[0x10] = '\x01';
    const std::string image = writeFile("image.bin", bytes);
    const CliRun written = cli({"write", QString::fromStdString(image), "--yes", "--check-write",
                                "--sim-fault", "stuck:0x10:0:0"});
    EXPECT_EQ(written.exitCode, kChanged);
    EXPECT_NE(written.out.find("Error Write 0105\nAddress:00000010"), std::string::npos)
        << written.out << written.err;
}

TEST_F(CliEndToEnd, WriteIsNotAskedForWithoutATerminal) {
    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    const CliRun written = cli({"write", QString::fromStdString(writeFile("image.bin", "abc"))});
    EXPECT_EQ(written.exitCode, toInt(ExitCode::NotConfirmed));
    EXPECT_NE(written.err.find("Are you sure?"), std::string::npos);
    EXPECT_NE(written.err.find("not asking"), std::string::npos);
}

TEST_F(CliEndToEnd, TheConfirmationFollowsTheLanguage) {
    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    {
        QSettings settings(QString::fromStdString(file("settings.ini")), QSettings::IniFormat);
        settings.setValue("Main/LANG", "RU");
    }
    const CliRun written =
        cli({"write", QString::fromStdString(writeFile("image.bin", "abc")), "--yes"});
    EXPECT_EQ(written.exitCode, kSuccess);
    EXPECT_NE(written.err.find("Вы уверены? [ОК/Отмена] ОК\n"), std::string::npos) << written.err;
}

TEST_F(CliEndToEnd, ChoicesAreRememberedAndUnknownOnesRefused) {
    ASSERT_EQ(select("calypso", "W27C512").exitCode, kSuccess);
    const std::string back = file("back.bin");
    ASSERT_EQ(cli({"read", QString::fromStdString(back)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(back).size(), 65536u);

    EXPECT_EQ(cli({"--chip", "NOPE", "id"}).exitCode, toInt(ExitCode::NoHardware));
    EXPECT_EQ(cli({"--module", "nope", "id"}).exitCode, toInt(ExitCode::NoHardware));
    EXPECT_EQ(cli({"--port", "LPT9", "id"}).exitCode, toInt(ExitCode::NoHardware));
    const CliRun noDriver = cli({"--driver", QString::fromStdString(file("none.so")), "id"});
    EXPECT_EQ(noDriver.exitCode, toInt(ExitCode::NoHardware));
    EXPECT_NE(noDriver.err.find("Can't load driver: "), std::string::npos);
    EXPECT_EQ(cli({"read", QString::fromStdString(file("no/such/dir/x.bin"))}).exitCode,
              toInt(ExitCode::FileError));
    EXPECT_EQ(cli({"write", QString::fromStdString(file("missing.bin")), "--yes"}).exitCode,
              toInt(ExitCode::FileError));
    EXPECT_EQ(cli({"bogus"}).exitCode, toInt(ExitCode::Usage));

    // None of the refused choices was remembered.
    ASSERT_EQ(cli({"read", QString::fromStdString(back)}).exitCode, kSuccess);
    EXPECT_EQ(readFile(back).size(), 65536u);
}

TEST_F(CliEndToEnd, ChipsAsJsonWithEveryField) {
    const CliRun listed =
        cli({"--family", "tessaro", "--port", "SIM", "--module", "urania", "chips", "--json"});
    ASSERT_EQ(listed.exitCode, kSuccess) << listed.err;
    const QJsonArray chips = QJsonDocument::fromJson(QByteArray::fromStdString(listed.out)).array();
    ASSERT_FALSE(chips.isEmpty()) << listed.out;
    const QJsonObject first = chips.first().toObject();
    for (const char* field :
         {"number", "name", "mfr", "size", "width", "vcc", "vpp", "vid", "alguse", "params"}) {
        EXPECT_TRUE(first.contains(field)) << field;
    }
    EXPECT_EQ(first["width"].toInt(), 16);
}

TEST_F(CliEndToEnd, DigestsOfAFileAndOfTheChip) {
    const CliRun ofFile = cli({"digest", QString::fromStdString(writeFile("abc.bin", "abc"))});
    EXPECT_EQ(ofFile.exitCode, kSuccess);
    EXPECT_NE(ofFile.out.find("MD5: 900150983CD24FB0D6963F7D28E17F72"), std::string::npos);
    const CliRun digits = cli(
        {"digest", QString::fromStdString(writeFile("d.bin", std::string(test::kCheckDigits)))});
    EXPECT_EQ(digits.out, std::string("CRC: 01DD\n") + test::kCheckDigitsCrc32Text +
                              "\nMD5: 25F9E794323B453885F5181F1B624D0B\n");

    ASSERT_EQ(select("urania", "93C46B").exitCode, kSuccess);
    const std::string image = writeFile("image.bin", randomImage<std::string>(128, 3));
    ASSERT_EQ(cli({"write", QString::fromStdString(image), "--yes"}).exitCode, kSuccess);
    const CliRun ofChip = cli({"digest", "--json"});
    ASSERT_EQ(ofChip.exitCode, kSuccess);
    const QJsonObject result =
        QJsonDocument::fromJson(QByteArray::fromStdString(ofChip.out)).object();
    EXPECT_EQ(result["digests"].toArray().size(), 3);
    const CliRun ofImage = cli({"digest", QString::fromStdString(image), "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(ofImage.out)).object()["digests"],
              result["digests"]);
}

TEST_F(CliEndToEnd, SuccessfulOperationsSayWhatWasDone) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    const std::string image = writeFile("image.bin", randomImage<std::string>(32768, 11));
    const std::string back = file("back.bin");
    const auto path = [](const std::string& name) { return QString::fromStdString(name); };

    EXPECT_EQ(cli({"erase"}).out, "Erased\n");
    EXPECT_EQ(cli({"blank"}).out, "Chip is blank\n");
    EXPECT_EQ(cli({"write", path(image), "--yes"}).out, "Written 32768 bytes from " + image + "\n");
    EXPECT_EQ(cli({"read", path(back)}).out, "Read 32768 bytes into " + back + "\n");
    EXPECT_EQ(cli({"compare", path(back)}).out, "Chip matches " + back + "\n");
    // A failure prints the program's result instead.
    const CliRun notBlank = cli({"blank"});
    EXPECT_EQ(notBlank.out.find("Chip is blank"), std::string::npos) << notBlank.out;

    // With --json standard output holds the JSON document only.
    const CliRun asJson = cli({"compare", path(back), "--json"});
    ASSERT_EQ(asJson.exitCode, kSuccess);
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(asJson.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << asJson.out;
    EXPECT_EQ(document.object()["exitCode"].toInt(), kSuccess);
}

// Ctrl-C during a long write stops the module through its progress
// callback: the program ends on its own with the cancelled status, and the
// rest of the chip is left as it was.
TEST_F(CliEndToEnd, InterruptCancelsALongWrite) {
    ASSERT_EQ(select("calypso", "W27C040").exitCode, kSuccess);
    constexpr std::size_t kChipSize = 524288;
    std::string bytes = randomImage<std::string>(kChipSize, 5);
    bytes.back() = '\x00';  // never the erased value
    const std::string image = writeFile("image.bin", bytes);

    QProcess writing;
    start(writing, {"write", QString::fromStdString(image), "--yes", "--json"});
    ASSERT_TRUE(writing.waitForStarted());
    // The confirmation is answered inside the operation, just before the
    // module is called: from then on an interrupt is a cancel.
    QByteArray err;
    QDeadlineTimer patience(std::chrono::minutes(2));
    while (!err.contains("Are you sure?") && !patience.hasExpired() &&
           writing.state() == QProcess::Running) {
        writing.waitForReadyRead(100);
        err += writing.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("Are you sure?")) << err.toStdString();
    ASSERT_EQ(writing.state(), QProcess::Running) << "the write ended before it was interrupted";
    ASSERT_EQ(::kill(static_cast<pid_t>(writing.processId()), SIGINT), 0);

    const bool ended = writing.waitForFinished(120'000);
    if (!ended) {
        writing.kill();
        writing.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the interrupted write did not end";
    err += writing.readAllStandardError();
    EXPECT_EQ(writing.exitStatus(), QProcess::NormalExit) << "killed by the signal";
    EXPECT_EQ(writing.exitCode(), toInt(ExitCode::Cancelled));
    EXPECT_TRUE(err.contains("veldrix-cli: cancelled")) << err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(writing.readAllStandardOutput()).object();
    EXPECT_EQ(result["exitCode"].toInt(), toInt(ExitCode::Cancelled));
    EXPECT_EQ(result["error"].toString(), "cancelled");

    // The board answers again, and the write stopped short of the end.
    const std::string back = file("back.bin");
    ASSERT_EQ(cli({"read", QString::fromStdString(back)}).exitCode, kSuccess);
    const std::string chip = readFile(back);
    ASSERT_EQ(chip.size(), kChipSize);
    EXPECT_EQ(chip.back(), '\xFF');
}

}  // namespace
}  // namespace veldrix::cli
