#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

TEST(CommandLine, HelpListsTheThreeCommands) {
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"steam", "steam-ph", "gas"}) {
        SCOPED_TRACE(command);
        EXPECT_NE(run.out.find(command), std::string::npos);
    }
}

TEST(CommandLine, CommandHelpListsItsOptions) {
    struct Case {
        const char* command;
        std::vector<const char*> options;
    };
    for (const Case& c : {Case{"steam", {"--p", "--t", "--x", "--json", "--html", "--batch"}},
                          Case{"steam-ph", {"--p", "--h", "--json", "--batch"}},
                          Case{"gas",
                               {"--p", "--t", "--h", "--vol", "--mass", "--analysis", "--json",
                                "--html", "--batch"}}}) {
        SCOPED_TRACE(c.command);
        const CliRun run = runCli({c.command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        for (const char* option : c.options) {
            EXPECT_NE(run.out.find(option), std::string::npos) << option;
        }
    }
}

TEST(CommandLine, VersionNamesTheProgram) {
    const CliRun run = runCli({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "vaporis-cli 3.5\n");
}

TEST(CommandLine, BadArgumentsGiveOneLineNamingTheArgumentAndExitCode1) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{}, "subcommand"},
        {{"steem"}, "\"steem\""},
        {{"steam", "--p", "abc", "--t", "1"}, "--p"},
        {{"steam", "--p", "1,5", "--t", "1"}, "--p"},
        {{"steam", "--p", "50", "--t", "nan"}, "--t"},
        {{"steam", "--p", "50", "--t", "inf"}, "--t"},
        {{"steam", "--p", "50"}, "--p, --t, --x"},
        {{"steam", "--p", "50", "--t", "400", "--x", "1"}, "--p, --t, --x"},
        {{"steam", "--p"}, "--p"},
        {{"steam", "--q", "1"}, "--q"},
        {{"steam", "--batch", "--p", "1"}, "--batch"},
        {{"steam-ph", "--p", "1"}, "--h"},
        {{"steam-ph", "--p", "1", "--h", "1", "--html", "a.html"}, "--html"},
        {{"gas", "--p", "1", "--t", "20", "--h", "3"}, "--h"},
        {{"gas", "--t", "20"}, "--p"},
        {{"gas", "--p", "1"}, "--t or --h"},
        {{"gas", "--p", "1", "--t", "20", "--vol", "N2=79", "--mass", "O2=21"}, "--mass"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const std::string& argument : c.arguments) {
            joined += argument + ' ';
        }
        SCOPED_TRACE(joined);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vaporis-cli: ")) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAUsageError) {
    // A full disk must not pass for a result that was printed.
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"steam", "--p", "50", "--t", "400"},
          std::vector<std::string>{"steam", "--p", "50", "--t", "400", "--json"},
          std::vector<std::string>{"steam-ph", "--p", "1", "--h", "2000"},
          std::vector<std::string>{"gas", "--p", "1", "--t", "20"},
          std::vector<std::string>{"steam", "--batch"}}) {
        SCOPED_TRACE(arguments.front() + ' ' + arguments.back());
        const CliRun run = runCli(arguments, "p,t\n50,400\n", "/dev/full");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "vaporis-cli: the output could not be written\n");
    }
}

TEST(CommandLine, NegativeAndExponentNumbersAreValues) {
    // "-100" must reach the iteration as a value, not be taken for an option.
    EXPECT_EQ(runCli({"steam-ph", "--p", "1", "--h", "-100"}).exitCode, 2);
    EXPECT_EQ(runCli({"steam", "--p", "5e1", "--t", "4E2"}).exitCode, 0);
    EXPECT_EQ(runCli({"steam", "--p=50", "--t=400"}).exitCode, 0);
}

}  // namespace
}  // namespace vaporis::test
