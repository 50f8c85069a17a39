#include <filesystem>
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
