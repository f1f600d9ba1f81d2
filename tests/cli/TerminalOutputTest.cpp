#include "cli/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using marklode::test::runCli;
using marklode::test::TempDir;
namespace fs = std::filesystem;

// Names, comments, paths and volume names are data; printed for people, they must neither drive
// the terminal nor start lines of their own.
TEST(TerminalOutputTest, ControlCharactersInUserDataAreEscaped) {
    TempDir dir;
    auto csv = dir.write("evil\x1b[2J.csv", "8.5,47.3,\"Red\x1b[31m\",\"one\ntwo\"\n"
                                            "8.6,47.4,Back\u202Ewards\xC2\x9B\x7F,tab\there\n"
                                            "\x1b]0;title\x07,47,x\n");
    fs::path volume = dir / "GPS\x1b[1A\nSent 99 POIs";
    fs::create_directories(volume / "Garmin");
    fs::path gpi = dir / "cat.gpi";
    ASSERT_EQ(
        runCli({"convert", csv.string(), "-o", gpi.string(), "--category", "Cat\r\x1b[8m"}).status,
        0);
    const std::string shownCSV = (dir / "evil\\x1b[2J.csv").string();
    const std::string shownVolume = (dir / "GPS\\x1b[1A\\nSent 99 POIs").string();
    const struct {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        {{"import", csv.string()}, shownCSV + ": 2 POIs, 1 skipped row\n"},
        {{"import", csv.string()}, "  Red\\x1b[31m — one\\ntwo\n"},
        {{"import", csv.string()}, "  Back\\u202ewards\\u009b\\x7f — tab\\there\n"},
        {{"import", csv.string()},
         shownCSV + ": Line 4: Invalid longitude \"\\x1b]0;title\\x07\".\n"},
        {{"inspect", gpi.string()}, "\u201CCat\\r\\x1b[8m\u201D: 2 POIs\n"},
        {{"devices", "--volume", volume.string()},
         "  volume:      GPS\\x1b[1A\\nSent 99 POIs at " + shownVolume + "\n"},
        {{"send", csv.string(), "--device", volume.string(), "--backup-root",
          (dir / "backups").string()},
         "Sent 2 POIs in 1 category to GPS\\x1b[1A\\nSent 99 POIs. The file"},
        {{"send", csv.string(), "--device", (dir / "No\x1b[2J").string()},
         "\u201C" + (dir / "No\\x1b[2J").string() + "\u201D is not a Garmin device"},
    };
    for (const auto& c : cases) {
        auto run = runCli(c.args);
        std::string shown = run.out + run.err;
        EXPECT_NE(shown.find(c.expected), std::string::npos) << shown;
        for (std::string_view raw : {"\x1b", "\r", "\x07", "\x7f", "\xC2\x9B", "\u202E"})
            EXPECT_EQ(shown.find(raw), std::string::npos) << shown;
    }
}
