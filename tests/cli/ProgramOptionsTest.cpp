#include "cli/CliRunner.h"

#include <gtest/gtest.h>

using marklode::test::runCli;

namespace {

struct ProgramCase {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string errStart;
};

// The options that stand for no command: scripts and the package checks rely on their output.
TEST(ProgramOptionsTest, VersionHelpAndUnknownCommands) {
    const ProgramCase cases[] = {
        {{"--version"}, 0, "marklode-cli " MARKLODE_PROJECT_VERSION "\n", ""},
        {{"--version", "import"}, 0, "marklode-cli " MARKLODE_PROJECT_VERSION "\n", ""},
        {{"version"}, 2, "", "marklode-cli: unknown command 'version'"},
        {{}, 2, "", "Usage: marklode-cli COMMAND"},
    };
    for (const ProgramCase& c : cases) {
        std::string label = c.args.empty() ? "(none)" : c.args.front();
        auto run = runCli(c.args);
        EXPECT_EQ(run.status, c.status) << label;
        EXPECT_EQ(run.out, c.out) << label;
        EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart) << label;
        if (c.errStart.empty()) {
            EXPECT_EQ(run.err, "") << label;
        }
    }
    auto help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("marklode-cli --version"), std::string::npos) << help.out;
}

} // namespace
