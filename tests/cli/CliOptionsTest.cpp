#include "CliOptions.h"

#include <gtest/gtest.h>

namespace veldrix::cli {
namespace {

CliOptions parsed(std::vector<std::string> arguments) {
    const ParsedCommandLine result = parseCommandLine(arguments);
    EXPECT_TRUE(result.options.has_value()) << result.error;
    return result.options.value_or(CliOptions{});
}

std::string usageError(std::vector<std::string> arguments) {
    const ParsedCommandLine result = parseCommandLine(arguments);
    EXPECT_FALSE(result.options.has_value());
    return result.error;
}

TEST(CliOptions, CommandWithFileAndChoicesInAnyOrder) {
    const CliOptions options = parsed({"--port", "SIM", "write", "image.bin", "--module=calypso",
                                       "--chip", "W27C512", "--family", "tessaro", "--yes"});
    EXPECT_EQ(options.command, CliCommand::Write);
    EXPECT_EQ(options.file, "image.bin");
    EXPECT_EQ(options.port, "SIM");
    EXPECT_EQ(options.module, "calypso");
    EXPECT_EQ(options.chip, "W27C512");
    EXPECT_EQ(options.family, 1u);
    EXPECT_TRUE(options.yes);
    EXPECT_FALSE(options.json);
}

TEST(CliOptions, FamiliesByIndexDirectoryOrTitle) {
    EXPECT_EQ(parseFamily("3"), 3u);
    EXPECT_EQ(parseFamily("HOLTAN"), 3u);
    EXPECT_EQ(parseFamily("vm-204"), 0u);
    EXPECT_EQ(parseFamily("Tessaro 0.39b"), 1u);
    EXPECT_EQ(parseFamily("4"), std::nullopt);
    EXPECT_EQ(parseFamily("tess"), std::nullopt);
    EXPECT_NE(usageError({"--family", "9", "ports"}).find("family"), std::string::npos);
}

TEST(CliOptions, WriteOptionsOnAndOffAndRepeatedKeys) {
    const CliOptions options = parsed({"write", "x", "--no-check-write", "--force-write", "--key",
                                       "Tpw=0x20", "--key=Nnum=5", "--algorithm", "2"});
    EXPECT_EQ(options.checkWrite, false);
    EXPECT_EQ(options.forceWrite, true);
    EXPECT_EQ(options.testInsert, std::nullopt);
    ASSERT_EQ(options.keys.size(), 2u);
    EXPECT_EQ(options.keys[0], (std::pair<std::string, std::string>{"Tpw", "0x20"}));
    EXPECT_EQ(options.keys[1], (std::pair<std::string, std::string>{"Nnum", "5"}));
    EXPECT_EQ(options.algorithm, 2u);
}

TEST(CliOptions, FileArgumentsMustMatchTheCommand) {
    EXPECT_NE(usageError({"read"}).find("needs a FILE"), std::string::npos);
    EXPECT_NE(usageError({"blank", "x.bin"}).find("too many"), std::string::npos);
    EXPECT_NE(usageError({"compare", "a", "b"}).find("too many"), std::string::npos);
    EXPECT_EQ(parsed({"digest"}).file, "");
    EXPECT_EQ(parsed({"digest", "a.bin"}).file, "a.bin");
    // A file name that looks like an option after "--".
    EXPECT_EQ(parsed({"read", "--", "-odd.bin"}).file, "-odd.bin");
}

TEST(CliOptions, UsageErrors) {
    EXPECT_NE(usageError({}).find("no command"), std::string::npos);
    EXPECT_NE(usageError({"frobnicate"}).find("unknown command"), std::string::npos);
    EXPECT_NE(usageError({"id", "--bogus"}).find("unknown option"), std::string::npos);
    EXPECT_NE(usageError({"id", "--port"}).find("needs a value"), std::string::npos);
    EXPECT_NE(usageError({"id", "--yes=no"}).find("takes no value"), std::string::npos);
    EXPECT_NE(usageError({"id", "--check-write=1"}).find("takes no value"), std::string::npos);
    EXPECT_NE(usageError({"id", "--key", "=5"}).find("NAME=VALUE"), std::string::npos);
    EXPECT_NE(usageError({"id", "--algorithm", "0"}).find("1 to 255"), std::string::npos);
    EXPECT_NE(usageError({"id", "--algorithm", "12x"}).find("1 to 255"), std::string::npos);
}

TEST(CliOptions, EmptyFileNamesAndValuedHelpAreUsageErrors) {
    // An empty name would make digest take the chip instead of a file.
    EXPECT_NE(usageError({"digest", ""}).find("empty name"), std::string::npos);
    EXPECT_NE(usageError({"read", ""}).find("empty name"), std::string::npos);
    EXPECT_NE(usageError({"id", "--help=yes"}).find("takes no value"), std::string::npos);
    EXPECT_NE(usageError({"--version=2"}).find("takes no value"), std::string::npos);
}

TEST(CliOptions, UsageErrorsKnowWhetherJsonWasAsked) {
    EXPECT_TRUE(parseCommandLine({"--json", "bogus"}).json);
    EXPECT_TRUE(parseCommandLine({"read", "--json"}).json);
    EXPECT_FALSE(parseCommandLine({"bogus"}).json);
    // After "--" it is a file name.
    EXPECT_FALSE(parseCommandLine({"read", "a", "--", "--json"}).json);
}

TEST(CliOptions, HelpWinsOverEverythingElse) {
    EXPECT_EQ(parsed({"read", "--help"}).command, CliCommand::Help);
    EXPECT_EQ(parsed({"write", "a", "b", "-h"}).command, CliCommand::Help);
    EXPECT_EQ(parsed({"--version"}).command, CliCommand::Version);
}

// Every form the engine reads, and nothing else: the command line has no
// reader of its own.
TEST(CliOptions, SimulatedFaultsInEveryFormOfTheEngine) {
    for (const char* form : {"stuck:0x10:7:1", "dataline:3:0", "addrline:12:1", "intermittent:2:42",
                             "statusline:6:1", "absent"}) {
        const CliOptions options = parsed({"selftest", "--sim-fault", form});
        EXPECT_EQ(options.simFault, parseSimulatedFault(form)) << form;
        EXPECT_TRUE(options.simFault.has_value()) << form;
    }
    for (const char* bad :
         {"stuck:16:8:0", "stuck:16:0:2", "stuck:16:0", "stuck:16:0:1:1", "flip:16:0:1",
          "stuck::0:1", "dataline:3", "statusline:2:0", "absent:1", ""}) {
        EXPECT_NE(usageError({"write", "x", "--sim-fault", bad}).find(kSimulatedFaultForms),
                  std::string::npos)
            << bad;
    }
}

TEST(CliOptions, FormatOverridesOnlyForACommandWithAFile) {
    EXPECT_EQ(parsed({"write", "x"}).format, std::nullopt);
    EXPECT_EQ(parsed({"write", "x", "--format", "ihex"}).format, ImageFormat::IntelHex);
    EXPECT_EQ(parsed({"read", "x", "--format=srec"}).format, ImageFormat::SRecord);
    EXPECT_EQ(parsed({"digest", "x", "--format", "raw"}).format, ImageFormat::Raw);
    EXPECT_NE(usageError({"write", "x", "--format", "hex"}).find("raw, ihex or srec"),
              std::string::npos);
    // The chip's digest reads no file a format could apply to.
    EXPECT_NE(usageError({"digest", "--format", "raw"}).find("--format"), std::string::npos);
}

TEST(CliOptions, ListedDifferencesAndVerifiedReads) {
    EXPECT_EQ(parsed({"compare", "x"}).maxDifferences, kDefaultListedDifferences);
    EXPECT_EQ(parsed({"compare", "x", "--max-differences", "0"}).maxDifferences, 0u);
    EXPECT_EQ(parsed({"compare", "x", "--max-differences", "0x40"}).maxDifferences, 64u);
    for (const char* bad : {"-1", "x", ""}) {
        EXPECT_NE(usageError({"compare", "x", "--max-differences", bad}).find("count"),
                  std::string::npos)
            << bad;
    }

    EXPECT_EQ(parsed({"read", "x"}).verifyReads, std::nullopt);
    EXPECT_EQ(parsed({"read", "x", "--verify-reads", "3"}).verifyReads, 3u);
    EXPECT_EQ(parsed({"read", "x", "--verify-reads", "16"}).verifyReads, 16u);
    for (const char* bad : {"1", "17", "-2", "two"}) {
        EXPECT_NE(usageError({"read", "x", "--verify-reads", bad}).find("2 to 16"),
                  std::string::npos)
            << bad;
    }
    // Another command would ignore it, and the user would think it checked.
    EXPECT_NE(usageError({"write", "x", "--verify-reads", "2"}).find("is for 'read'"),
              std::string::npos);
}

TEST(CliOptions, ChipChangingCommandsFollowTheEnginesOperations) {
    EXPECT_TRUE(changesChip(CliCommand::Write));
    EXPECT_TRUE(changesChip(CliCommand::Config));
    EXPECT_FALSE(changesChip(CliCommand::Read));
    EXPECT_FALSE(changesChip(CliCommand::Digest));
    EXPECT_FALSE(changesChip(CliCommand::Chips));
    EXPECT_STREQ(commandWord(CliCommand::Blank), "blank");
}

// Numbers take every form the configuration files know, whole or not at all.
TEST(CliOptions, NumbersAreReadAsTheConfigurationFilesWriteThem) {
    EXPECT_EQ(parsed({"id", "--algorithm", "0x2"}).algorithm, 2u);
    EXPECT_EQ(parsed({"id", "--algorithm", "3h"}).algorithm, 3u);
    EXPECT_EQ(parsed({"id", "--algorithm", "$A"}).algorithm, 10u);
    const CliOptions fault = parsed({"write", "x", "--sim-fault", "stuck:7FFFh:1:0"});
    ASSERT_TRUE(fault.simFault.has_value());
    EXPECT_EQ(fault.simFault->address, 0x7FFFu);
    for (const char* bad : {"1 ", "2x", "0x", "-1", "4294967298"}) {
        EXPECT_NE(usageError({"id", "--algorithm", bad}).find("1 to 255"), std::string::npos)
            << bad;
    }
    EXPECT_FALSE(parseCommandLine({"write", "x", "--sim-fault", "stuck:99999999999:0:0"}).options);
}

}  // namespace
}  // namespace veldrix::cli
