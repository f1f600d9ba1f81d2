#include "cli/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using marklode::test::runCli;
using marklode::test::TempDir;

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

// The desktop's language reaches help, usage errors and counted results; German has a singular.
TEST(ProgramOptionsTest, SpeaksTheDesktopsLanguage) {
    const std::map<std::string, std::string> german{{"LANGUAGE", "de"}};
    auto help = runCli({"--help"}, german);
    EXPECT_NE(help.out.find("Aufruf: marklode-cli BEFEHL [OPTIONEN]"), std::string::npos)
        << help.out;
    EXPECT_NE(help.out.find("Befehle:\n  import"), std::string::npos) << help.out;

    auto usage = runCli({"convert"}, german);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "marklode-cli convert: convert braucht mindestens eine EINGABE\n"
                         "Die Optionen zeigt marklode-cli convert --help.\n");

    TempDir dir;
    const std::pair<int, std::string> skipped[] = {{0, "0 übersprungene Zeilen"},
                                                   {1, "1 übersprungene Zeile"},
                                                   {2, "2 übersprungene Zeilen"},
                                                   {5, "5 übersprungene Zeilen"}};
    for (const auto& [count, words] : skipped) {
        std::string rows = "8.5,47.3,Zurich\n";
        for (int i = 0; i < count; ++i)
            rows += "north,east,Nowhere\n";
        auto csv = dir.write("rows" + std::to_string(count) + ".csv", rows);
        auto run = runCli({"import", csv.string(), "--speed-unit", "kmh"}, german);
        EXPECT_EQ(run.out.substr(0, run.out.find('\n')), csv.string() + ": 1 POI, " + words);
    }
}

} // namespace
