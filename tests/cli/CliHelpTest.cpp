// --help is made from the tables the parser uses; what it says besides them
// must still hold.

#include "CliHelp.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "CliOptions.h"
#include "CommandTable.h"
#include "OptionTable.h"

namespace veldrix::cli {
namespace {

// Every option the help names anywhere, its descriptions and examples included.
std::set<std::string> optionsNamedInHelp() {
    const std::string help = helpText();
    const std::regex option("(^|[^-\\w])(--?[a-z][a-z-]*)");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[2].str());
    }
    return names;
}

TEST(CliHelp, EveryOptionTheHelpNamesIsOneTheParserKnows) {
    const std::set<std::string> named = optionsNamedInHelp();
    EXPECT_GT(named.size(), 15u);
    for (const std::string& name : named) {
        const OptionRow* row = findOptionRow(name);
        ASSERT_NE(row, nullptr) << name;
        std::vector<std::string> arguments{"id", name};
        if (!row->value.empty()) {
            arguments.push_back("1");
        }
        const std::string error = parseCommandLine(arguments).error;
        EXPECT_EQ(error.find("unknown option"), std::string::npos) << name << ": " << error;
    }
}

TEST(CliHelp, EveryCommandHasItsOwnRowAndIsListedOrHidden) {
    std::set<std::string_view> words;
    for (const CommandRow& row : commandRows()) {
        EXPECT_TRUE(words.insert(row.word).second) << row.word;
        EXPECT_EQ(&commandRow(row.command), &row) << row.word;
        EXPECT_EQ(findCommandRow(row.word), &row);
        const bool listed = helpText().find("\n  " + std::string(row.word)) != std::string::npos;
        EXPECT_EQ(listed, !row.help.empty()) << row.word;
    }
    EXPECT_EQ(commandRows().size(), static_cast<std::size_t>(CliCommand::SelfTest) + 1);
}

TEST(CliHelp, DescriptionsContinueInTheirColumn) {
    const std::string help = helpText();
    EXPECT_NE(help.find("  chips            list the chips of the module, with every field of "
                        "their\n                   description\n"),
              std::string::npos);
    EXPECT_NE(help.find("  --max-differences N  list the first N differences of compare, or "
                        "unstable\n                   addresses"),
              std::string::npos);
}

// Every form of simulated fault the engine reads is explained.
TEST(CliHelp, EveryFormOfSimulatedFaultIsListed) {
    const std::string help = helpText();
    for (const char* form : {"stuck:ADDRESS:BIT:LEVEL", "dataline:BIT:LEVEL", "addrline:BIT:LEVEL",
                             "intermittent:BIT:SEED", "statusline:LINE:LEVEL", "absent"}) {
        EXPECT_NE(help.find("\n                   " + std::string(form) + "  "), std::string::npos)
            << form;
        EXPECT_NE(kSimulatedFaultForms.find(form), std::string_view::npos) << form;
    }
}

// Not every module heeds a cancel: the help must not promise that a signal
// stops every operation.
TEST(CliHelp, TheCancelNamesTheModuleThatRunsToItsEnd) {
    const std::string help = helpText();
    const std::size_t cancelled = help.find("  130  cancelled");
    ASSERT_NE(cancelled, std::string::npos);
    EXPECT_NE(help.find("The urania module does not\n       stop mid-way", cancelled),
              std::string::npos);
}

}  // namespace
}  // namespace veldrix::cli
