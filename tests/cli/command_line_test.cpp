#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

TEST(CommandLine, VersionNamesTheProgram) {
    const CliRun run = runCli({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "vaporis-cli 3.5\n");
}

// The examples of a help text that run without files: no redirection, report or project.
std::vector<std::vector<std::string>> runnableExamples(const std::string& help) {
    std::vector<std::vector<std::string>> examples;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        const bool usesFiles = line.find_first_of("<>") != std::string::npos ||
                               line.find(" --html") != std::string::npos ||
                               line.find(" --svg") != std::string::npos ||
                               line.find(".prj") != std::string::npos;
        if (line.starts_with("  vaporis-cli ") && !usesFiles) {
            std::istringstream words(line.substr(14));
            examples.emplace_back(std::istream_iterator<std::string>(words),
                                  std::istream_iterator<std::string>());
        }
    }
    return examples;
}

TEST(CommandLine, EachCommandsHelpShowsItsOwnOptionsUnitsExitCodesAndWorkingExamples) {
    struct Case {
        std::vector<std::string> command;
        std::vector<std::string> shown, notShown;
    };
    const std::vector<Case> cases = {
        {{"steam"}, {"--p BAR", "--t °C", "; 3 the batch"}, {"Gas components"}},
        {{"gas"}, {"air (dry air), H2O,", "--h KJ/KG"}, {"C4H10 (dry air)"}},
        {{"process", "steam"},
         {"--mass-flow KG/S", "--type throttle|isentropic|balance", "; 3 the batch"},
         {"Gas components"}},
        {{"flow", "gas"},
         {"--mass-flow KG/S|KG/H", "--solve velocity|diameter|flow", "; 3 the batch"},
         {"steam --p"}},
        {{"tools", "outflow"}, {"--p0 BAR", "--diameter MM"}, {"Gas components", "steam --p"}},
        {{"tools", "quench"}, {"--t-set °C", "; 2 the inputs were refused"}, {"Gas components"}},
        {{"project"}, {"--run DIR", "3 with --run"}, {"; 2", "state was refused"}},
        {{"table"}, {"--p RANGE", "; 3 the batch"}, {"; 2"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.command;
        arguments.emplace_back("--help");
        const CliRun help = runCli(arguments);
        SCOPED_TRACE(help.out);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.find("TEXT"), std::string::npos);
        EXPECT_NE(help.out.find("\nExample"), std::string::npos);
        for (const std::string& text : c.shown) {
            EXPECT_NE(help.out.find(text), std::string::npos) << text;
        }
        for (const std::string& text : c.notShown) {
            EXPECT_EQ(help.out.find(text), std::string::npos) << text;
        }
        for (const std::vector<std::string>& example : runnableExamples(help.out)) {
            EXPECT_EQ(runCli(example).exitCode, 0) << ::testing::PrintToString(example);
        }
    }
}

TEST(CommandLine, BadArgumentsGiveOneLineNamingTheArgumentAndExitCode1) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named;
    };
    const std::string pasted(120 * 1024, 'x');  // quoted only by its first 77 bytes and "..."
    const std::vector<Case> cases = {
        {{}, "subcommand"},
        {{pasted}, "\"" + pasted.substr(0, 77) + "...\""},
        {{"steam", "--p", pasted, "--t", "1"}, "--p"},
        {{"steam", "--p=" + pasted, "--t", "1"}, "--p"},
        {{"project", "/" + pasted + ".prj"}, pasted.substr(0, 76) + "..."},
        {{"steem"}, "\"steem\""},
        {{"steam", "--p", "abc", "--t", "1"}, "--p"},
        {{"steam", "--p", "50", "--t", "nan"}, "--t"},
        {{"steam", "--p", "50"}, "--p, --t, --x"},
        {{"steam", "--q", "1"}, "--q"},
        {{"steam", "--batch", "--p", "1"}, "--batch"},
        {{"process", "steam", "--batch", "--pdf", "a.pdf"}, "--pdf"},
        {{"steam-ph", "--p", "1"}, "--h"},
        {{"gas", "--p", "1", "--t", "20", "--h", "3"}, "--h"},
        {{"gas", "--p", "1"}, "--t or --h"},
        {{"gas", "--p", "1", "--t", "20", "--vol", "N2=79", "--mass", "O2=21"}, "--mass"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vaporis-cli: ")) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_LT(run.err.size(), 300U);
    }
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAUsageError) {
    // A full disk must not pass for a result that was printed.
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"steam", "--p", "50", "--t", "400"},
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
