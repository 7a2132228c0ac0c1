// veldrix-cli given what a careless or hostile user gives it: bad values,
// files that cannot serve as images, choices that cannot be made, chip
// modules that fault. It must say so, end with the documented status and
// keep the user's settings and chips as they were.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

#include "CliEndToEnd.h"
#include "ExitCode.h"

namespace veldrix::cli {
namespace {

constexpr int kSuccess = toInt(ExitCode::Success);
constexpr int kUnchanged = toInt(ExitCode::FailedChipUnchanged);
constexpr int kUsage = toInt(ExitCode::Usage);
constexpr int kNoHardware = toInt(ExitCode::NoHardware);
constexpr int kFileError = toInt(ExitCode::FileError);

// Standard output as one JSON document; a test failure when it is not one.
// The value shown for a configuration key by "keys --json".
QString keyValue(const CliRun& run, const QString& name) {
    for (const QJsonValue& key : jsonOf(run).object()["keys"].toArray()) {
        if (key.toObject()["name"].toString() == name) {
            return key.toObject()["value"].toString();
        }
    }
    return {};
}

class CliHostileInput : public CliEndToEnd {};

TEST_F(CliHostileInput, EveryCommandWithJsonPrintsExactlyOneDocument) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    const std::string image = writeFile("image.bin", randomImage<std::string>(32768, 1));
    const std::vector<QStringList> commands = {
        {"families"},
        {"ports"},
        {"modules"},
        {"chips"},
        {"keys"},
        {"read", path(file("back.bin"))},
        {"write", path(image)},  // refused: no terminal to ask
        {"erase"},
        {"write", path(image), "--yes"},
        {"compare", path(image)},
        {"blank"},
        {"id"},
        {"test"},
        {"lock"},
        {"digest"},
        {"digest", path(image)},
        {"help"},
        {"--help"},
        {"-h"},
        {"version"},
        {"--module", "nope", "id"},
        {"--key", "Tpw=abc", "keys"},
        {"bogus"},
        {"read"},
        {"digest", ""},
        {"--help=3"},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliRun run = cli(QStringList(command) << "--json");
        const QJsonDocument document = jsonOf(run);
        if (document.isObject() && document.object().contains("exitCode")) {
            EXPECT_EQ(document.object()["exitCode"].toInt(-1), run.exitCode);
        } else {
            // A listing stands for the whole result.
            EXPECT_FALSE(document.isEmpty());
            EXPECT_EQ(run.exitCode, kSuccess);
        }
    }
    const CliRun usage = cli({"bogus", "--json"});
    EXPECT_EQ(usage.exitCode, kUsage);
    EXPECT_EQ(jsonOf(usage).object()["error"].toString(), "unknown command 'bogus'");
    EXPECT_TRUE(contains(usage.err, "unknown command"));
    for (const char* help : {"help", "--help", "-h"}) {
        SCOPED_TRACE(help);
        EXPECT_TRUE(jsonOf(cli({"--json", help})).object()["help"].toString().startsWith("Usage:"));
    }
}

TEST_F(CliHostileInput, JsonStillReportsEngineProblemsOnStandardError) {
    const std::string notALibrary = writeFile("driver.so", "not a library");
    const CliRun run = cli({"--driver", path(notALibrary), "ports", "--json"});
    EXPECT_EQ(run.exitCode, kNoHardware);
    EXPECT_TRUE(contains(run.err, "Can't load driver:  " + notALibrary)) << run.err;
    EXPECT_EQ(jsonOf(run).object()["messages"].toArray().first().toString().toStdString(),
              "Can't load driver:  " + notALibrary);
}

// The settings file is rewritten as a whole when settings are written: a
// file mistaken for it must survive.
TEST_F(CliHostileInput, SettingsFileThatCannotBeReadIsLeftAsItIs) {
    const std::string image = writeFile("image.bin", randomImage<std::string>(4096, 2));
    const std::string truncated =
        writeFile("truncated.ini", "[General]\nhardware=1\n[Hardware]\ntessaro\\por");
    for (const std::string& settings : {image, truncated}) {
        SCOPED_TRACE(settings);
        const std::string before = readFile(settings);
        const CliRun run =
            cli({"--settings", path(settings), "--port", "SIM", "--module", "calypso", "modules"});
        EXPECT_EQ(run.exitCode, kFileError);
        EXPECT_TRUE(contains(run.err, "cannot be read as a settings (INI) file")) << run.err;
        EXPECT_EQ(readFile(settings), before);
    }
    EXPECT_EQ(cli({"--settings", path(file("")), "families"}).exitCode, kFileError);
    const CliRun unnamed = cli({"--settings", "", "families"});
    EXPECT_EQ(unnamed.exitCode, kUsage);
    EXPECT_TRUE(contains(unnamed.err, "--settings needs a FILE name")) << unnamed.err;
    EXPECT_EQ(cli({"--settings", path(file("no/folder.ini")), "families"}).exitCode, kFileError);
    // A settings file that does not exist yet is made, whatever the command.
    for (const char* command : {"ports", "families"}) {
        SCOPED_TRACE(command);
        const std::string fresh = file(std::string(command) + ".ini");
        EXPECT_EQ(cli({"--settings", path(fresh), "--family", "tessaro", command}).exitCode,
                  kSuccess);
        EXPECT_TRUE(std::filesystem::is_regular_file(fresh));
    }
}

// A choice that is not stored would leave the next command working on the
// old one: a run whose settings could not be saved does not end as a success.
TEST_F(CliHostileInput, SettingsThatCannotBeSavedAreAFileError) {
    // The file system refuses the name whoever runs the test.
    const std::string tooLong = file(std::string(300, 's') + ".ini");
    const CliRun run = cli({"--settings", path(tooLong), "--family", "tessaro", "--port", "SIM",
                            "--module", "calypso", "--chip", "W27C512", "modules"});
    EXPECT_EQ(run.exitCode, kFileError);
    EXPECT_TRUE(contains(run.err, "Settings not saved: cannot write " + tooLong)) << run.err;
    EXPECT_EQ(cli({"--settings", path(tooLong), "families"}).exitCode, kFileError);
}

TEST_F(CliHostileInput, AReadOnlySettingsFileIsAFileError) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind root";
    }
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    std::filesystem::permissions(file("settings.ini"), std::filesystem::perms::owner_read);
    const CliRun run = cli({"--chip", "W27C512", "modules"});
    EXPECT_EQ(run.exitCode, kFileError);
    EXPECT_TRUE(contains(run.err, "Settings not saved")) << run.err;
}

TEST_F(CliHostileInput, MalformedKeyValuesAreRefusedInsteadOfBecomingZero) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    for (const char* value : {"abc", "", "99999999999", "0x1FFFFFFFF", "32K", "1 2", "0b101"}) {
        SCOPED_TRACE(value);
        const CliRun run = cli({"--key", QString("Tpw=") + value, "keys"});
        EXPECT_EQ(run.exitCode, kUsage);
        EXPECT_TRUE(contains(run.err, "--key Tpw")) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_EQ(keyValue(cli({"--key", "Tpw=1Fh", "keys", "--json"}), "Tpw"), "31");
    EXPECT_EQ(keyValue(cli({"--key", "Tpw=$20", "keys", "--json"}), "Tpw"), "32");
    EXPECT_EQ(keyValue(cli({"--key", "Tpw=0xFFFFFFFF", "keys", "--json"}), "Tpw"), "-1");
    // A key the module shows but does not let the user change.
    EXPECT_EQ(cli({"--key", "Nmul=3", "keys"}).exitCode, kUsage);
}

// Lays out a module root with the hostile modules of the build, each with a
// configuration file of one 256-byte chip, beside files that only look like
// modules.
class CliHostileModules : public CliEndToEnd {
protected:
    void SetUp() override {
        root_ = file("modules");
        const std::filesystem::path family = std::filesystem::path(root_) / "tessaro";
        std::filesystem::create_directories(family / "folder.so");
        writeFile("modules/tessaro/junk.so", "not a library at all");
        writeFile("modules/tessaro/junk.cfg", "chip=HOST\r\nsize=256\r\n");
        for (const char* name :
             {"keyed", "crashid", "crashread", "abortread", "deepread", "wideareas"}) {
            const std::string library = std::string(name) + ".so";
            std::filesystem::copy_file(std::filesystem::path(VELDRIX_HOSTILE_MODULES) / library,
                                       family / library);
            writeFile("modules/tessaro/" + std::string(name) + ".cfg", "chip=HOST\r\nsize=256\r\n");
        }
    }

    CliRun withModule(const char* module, QStringList arguments) const {
        arguments << "--family"
                  << "tessaro"
                  << "--module-root" << path(root_) << "--port"
                  << "SIM"
                  << "--module" << module << "--chip"
                  << "HOST";
        return cli(arguments);
    }

    std::string root_;
};

TEST_F(CliHostileModules, OnlyLibrariesWithTheEntryAreListed) {
    const CliRun run =
        cli({"--family", "tessaro", "--module-root", path(root_), "modules", "--json"});
    ASSERT_EQ(run.exitCode, kSuccess) << run.err;
    QStringList names;
    for (const QJsonValue& row : jsonOf(run).array()) {
        names << row.toObject()["name"].toString();
    }
    EXPECT_EQ(names,
              (QStringList{"abortread", "crashid", "crashread", "deepread", "keyed", "wideareas"}));
}

TEST_F(CliHostileModules, FaultingModulesAreReportedAndTheProgramEndsNormally) {
    for (const char* module : {"crashread", "abortread", "deepread"}) {
        SCOPED_TRACE(module);
        const std::string back = file(std::string(module) + ".bin");
        const CliRun run = withModule(module, {"read", path(back)});
        EXPECT_EQ(run.exitCode, kUnchanged);
        EXPECT_TRUE(contains(run.out, "DMAIN ERROR")) << run.out;
        EXPECT_TRUE(contains(run.err, "the chip module failed")) << run.err;
        EXPECT_FALSE(std::filesystem::exists(back));
    }
    // Faulting while identifying itself leaves the module offering nothing.
    const CliRun identify = withModule("crashid", {"read", path(file("id.bin"))});
    EXPECT_EQ(identify.exitCode, kUnchanged);
    EXPECT_TRUE(contains(identify.err, "DMAIN ERROR")) << identify.err;
    EXPECT_TRUE(contains(identify.err, "the module cannot read")) << identify.err;

    // A good module of the same root still works afterwards.
    EXPECT_EQ(withModule("keyed", {"read", path(file("good.bin"))}).exitCode, kSuccess);
}

// A chip whose image cannot be set up is no chip to work with: nothing is
// read, written or saved, and the cause is named.
TEST_F(CliHostileModules, OperationsRefuseWhileThereIsNoImage) {
    writeFile("modules/tessaro/keyed.cfg", "chip=HOST\r\nsize=0\r\n");
    struct Case {
        const char* module;
        const char* cause;
    };
    for (const Case& chip :
         {Case{"keyed", "size is 0"}, Case{"wideareas", "extofs 0xFFFFFF00 + extlen 0x200"}}) {
        SCOPED_TRACE(chip.module);
        const std::string back = file(std::string(chip.module) + ".bin");
        const CliRun read = withModule(chip.module, {"read", path(back)});
        EXPECT_EQ(read.exitCode, kNoHardware);
        EXPECT_TRUE(contains(read.err, chip.cause)) << read.err;
        EXPECT_FALSE(contains(read.out, "Read 0 bytes")) << read.out;
        EXPECT_FALSE(std::filesystem::exists(back));

        const CliRun written =
            withModule(chip.module, {"write", path(writeFile("one.bin", "x")), "--yes"});
        EXPECT_EQ(written.exitCode, kNoHardware);
        EXPECT_TRUE(contains(written.err, chip.cause)) << written.err;
        EXPECT_FALSE(contains(written.err, "the module cannot")) << written.err;
    }
}

TEST_F(CliHostileModules, BinaryKeysTakeBinaryDigitsOnly) {
    EXPECT_EQ(keyValue(withModule("keyed", {"keys", "--json"}), "Mode"), "101");
    EXPECT_EQ(keyValue(withModule("keyed", {"--key", "Mode=1111", "keys", "--json"}), "Mode"),
              "1111");
    const std::vector<std::string> refused = {"102", "12", "0x5", "-1", "", std::string(33, '1')};
    for (const std::string& value : refused) {
        SCOPED_TRACE(value);
        const CliRun run =
            withModule("keyed", {"--key", "Mode=" + QString::fromStdString(value), "keys"});
        EXPECT_EQ(run.exitCode, kUsage);
        EXPECT_TRUE(contains(run.err, "binary digits")) << run.err;
    }
    EXPECT_EQ(keyValue(withModule("keyed", {"--key", "Mode=" + QString(32, '1'), "keys", "--json"}),
                       "Mode"),
              QString(32, '1'));
}

TEST_F(CliHostileInput, RefusedDriverOrModuleRootIsNotRemembered) {
    ASSERT_EQ(select("calypso", "W27C512").exitCode, kSuccess);
    const std::string notALibrary = writeFile("driver.so", "not a library");
    EXPECT_EQ(cli({"--driver", path(notALibrary), "id"}).exitCode, kNoHardware);
    const CliRun noRoot = cli({"--module-root", path(file("no-such-dir")), "chips"});
    EXPECT_EQ(noRoot.exitCode, kNoHardware);
    EXPECT_TRUE(contains(noRoot.err, "no module directory")) << noRoot.err;
    const CliRun fileRoot = cli({"--module-root", path(writeFile("root-file", "x")), "modules"});
    EXPECT_EQ(fileRoot.exitCode, kNoHardware);
    EXPECT_TRUE(contains(fileRoot.err, "Can't read module folder (Not a directory)"))
        << fileRoot.err;
    EXPECT_FALSE(contains(fileRoot.err, "Can't load module:")) << fileRoot.err;

    // The driver, module and chip chosen before are still the ones in use.
    const std::string back = file("back.bin");
    const CliRun read = cli({"read", path(back)});
    ASSERT_EQ(read.exitCode, kSuccess) << read.err;
    EXPECT_EQ(readFile(back).size(), 65536u);
}

TEST_F(CliHostileInput, PortsAreThoseTheFamilyCanUse) {
    const CliRun run = cli({"--family", "tessaro", "ports", "--json"});
    ASSERT_EQ(run.exitCode, kSuccess) << run.err;
    const QJsonArray ports = jsonOf(run).array();
    ASSERT_FALSE(ports.isEmpty());
    for (const QJsonValue& port : ports) {
        EXPECT_EQ(port.toObject()["kind"].toString(), "parallel")
            << port.toObject()["label"].toString().toStdString();
    }
}

TEST_F(CliHostileInput, FilesThatCannotServeAsImages) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    ASSERT_EQ(cli({"erase"}).exitCode, kSuccess);

    // Nothing of an empty file reaches the chip.
    const CliRun empty = cli({"write", path(writeFile("empty.bin", "")), "--yes"});
    EXPECT_EQ(empty.exitCode, kFileError);
    EXPECT_TRUE(contains(empty.err, "is empty")) << empty.err;
    EXPECT_EQ(cli({"compare", path(file("empty.bin"))}).exitCode, kFileError);
    EXPECT_EQ(cli({"write", path(file("")), "--yes"}).exitCode, kFileError);  // a directory
    // Neither is an empty input that is no regular file: a device, or a
    // pipe whose producer failed.
    for (const char* command : {"write", "compare"}) {
        SCOPED_TRACE(command);
        const CliRun device = cli({command, "/dev/null", "--yes"});
        EXPECT_EQ(device.exitCode, kFileError);
        EXPECT_TRUE(contains(device.err, "'/dev/null' is empty")) << device.err;
        const CliRun pipe = shell(QString("cli %1 <(exit 3) --yes").arg(command));
        EXPECT_EQ(pipe.exitCode, kFileError);
        EXPECT_TRUE(contains(pipe.err, "is empty")) << pipe.err;
    }
    EXPECT_EQ(cli({"blank"}).exitCode, kSuccess);

    // A file longer than the chip: its start is used, and the user is told.
    const std::string image = randomImage<std::string>(32768, 9);
    const std::string longer = writeFile("longer.bin", image + image);
    const CliRun written = cli({"write", path(longer), "--yes"});
    EXPECT_EQ(written.exitCode, kSuccess) << written.err;
    EXPECT_TRUE(
        contains(written.err, "warning: '" + longer + "' holds 65536 bytes, the chip 32768"))
        << written.err;
    const CliRun compared = cli({"compare", path(longer), "--json"});
    EXPECT_EQ(compared.exitCode, kSuccess);
    EXPECT_EQ(jsonOf(compared).object()["warnings"].toArray().size(), 1);

    // Reading into something that is not a regular file leaves it as it was.
    const std::string fifo = file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const CliRun intoFifo = cli({"read", path(fifo)});
    EXPECT_EQ(intoFifo.exitCode, kFileError);
    EXPECT_TRUE(contains(intoFifo.err, "not a regular file")) << intoFifo.err;
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(cli({"read", path(file(""))}).exitCode, kFileError);
    EXPECT_EQ(cli({"read", path(file("missing/dir/x.bin"))}).exitCode, kFileError);

    // The program's error code comes with the system's reason.
    const std::string tooLong = file(std::string(300, 'b') + ".bin");
    const CliRun longName = cli({"read", path(tooLong)});
    EXPECT_EQ(longName.exitCode, kFileError);
    EXPECT_TRUE(contains(longName.err, "WriteFile Error: 36\n")) << longName.err;
    EXPECT_TRUE(contains(longName.err, "cannot write '" + tooLong + "': File name too long"))
        << longName.err;
    const CliRun missing = cli({"compare", path(file("missing.bin"))});
    EXPECT_TRUE(contains(missing.err, "': No such file or directory")) << missing.err;
    EXPECT_EQ(cli({"read", ""}).exitCode, kUsage);
}

std::string hostileDriver(const char* name) {
    return std::string(VELDRIX_HOSTILE_DRIVERS) + "/" + name + ".so";
}

// A driver that faults at its start is no driver to work with, whatever the
// command; its message is shown.
TEST_F(CliHostileInput, ADriverThatFaultsAtItsStartIsNoUsableDriver) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    for (const char* command : {"id", "ports"}) {
        SCOPED_TRACE(command);
        const CliRun run = cli({"--driver", path(hostileDriver("initfault")), command});
        EXPECT_EQ(run.exitCode, kNoHardware);
        EXPECT_TRUE(contains(run.err, "init ERR\n")) << run.err;
        EXPECT_TRUE(contains(run.err, "the programmer driver failed at its start (SIGSEGV"))
            << run.err;
    }
    // Not remembered: the simulated board still answers.
    EXPECT_EQ(cli({"blank"}).exitCode, kSuccess);
}

// The module runs on after the driver faulted under it and may well report
// success; the operation does not.
TEST_F(CliHostileInput, ADriverThatFaultsDuringTheOperationFailsIt) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    const QString driver = path(hostileDriver("voltagefault"));
    const std::string back = file("back.bin");
    const CliRun read = cli({"--driver", driver, "read", path(back)});
    EXPECT_EQ(read.exitCode, kUnchanged);
    EXPECT_TRUE(contains(read.out, "voltage ERR\n")) << read.out;
    EXPECT_TRUE(contains(read.err, "the programmer driver failed (SIGSEGV)")) << read.err;
    EXPECT_FALSE(contains(read.out, "Read 32768 bytes"));
    EXPECT_FALSE(std::filesystem::exists(back));

    const CliRun erased = cli({"erase", "--json"});
    EXPECT_EQ(erased.exitCode, toInt(ExitCode::FailedChipChanged));
    const QJsonObject result = jsonOf(erased).object();
    EXPECT_TRUE(result["status"].toArray().contains("voltage ERR")) << erased.out;
    EXPECT_EQ(result["error"].toString(), "the programmer driver failed (SIGSEGV)");
}

TEST_F(CliHostileInput, ChipContentsThatCannotBeKeptAreAFileError) {
    ASSERT_EQ(select("calypso", "W27E257").exitCode, kSuccess);
    // A directory below a regular file can never be created.
    setSimDirectory(writeFile("plain", "x") + "/sim");
    const CliRun erased = cli({"erase"});
    EXPECT_EQ(erased.exitCode, kFileError);
    EXPECT_TRUE(contains(erased.err, "VELDRIX_SIM_DIR")) << erased.err;
    EXPECT_FALSE(contains(erased.out, "Erased"));
    // What does not change the chip is not concerned.
    EXPECT_EQ(cli({"blank"}).exitCode, kSuccess);
}

}  // namespace
}  // namespace veldrix::cli
