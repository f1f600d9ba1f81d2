#include "DeviceFolderFixture.h"
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

using marklode::test::runShell;

namespace {

using PipedInputTest = marklode::test::DeviceFolderFixture;

// Shell functions for the scripts below: csv prints two POIs, gpx one with a proximity distance;
// `feed PIPE COMMAND...` writes the command's output into a named pipe in the background, with
// nothing else of the test's open, so a writer the program never meets holds no stream of the test
// and is ended with the script.
const std::string prelude = R"(
csv() { printf '8.5,47.3,Zurich\n7.45,46.95,Bern\n'; }
gpx() {
    printf '<gpx><wpt lat="1" lon="2"><name>A</name>'
    printf '<extensions><proximity>250</proximity></extensions></wpt></gpx>'
}
feed() { local pipe=$1; shift; { "$@" >"$pipe"; } >/dev/null 2>&1 & }
trap 'kill $(jobs -p) 2>/dev/null' EXIT
)";

} // namespace

// What a user names on the command line is read even when it is standard input or a pipe, while
// a pipe the program comes across by itself (an icon beside an input) is still refused.
TEST_F(PipedInputTest, StandardInputAndPipesAreReadWhenNamed) {
    const std::string d = dir.path().string();
    const std::string sent =
        "Sent 2 POIs in 1 category to Drive 53. The file was read back and checked.\n";
    const struct {
        std::string script;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {R"("$cli" import --json <(csv))", 0,
         R"({"pois":[{"latitude":47.3,"longitude":8.5,"name":"Zurich"},)"
         R"({"latitude":46.95,"longitude":7.45,"name":"Bern"}],"issues":[]})"
         "\n",
         ""},
        {R"(gpx | "$cli" import - --format gpx --json)", 0,
         R"({"pois":[{"latitude":1,"longitude":2,"name":"A","proximityMeters":250}],"issues":[]})"
         "\n",
         ""},
        // --format chooses the default proximity mode too: the same bytes as from a .gpx file.
        {R"(gpx >"$d/a.gpx" && "$cli" convert "$d/a.gpx" --category A -o "$d/file.gpi" >/dev/null &&
            gpx | "$cli" convert - --format gpx --category A -o "$d/piped.gpi" &&
            cmp "$d/file.gpi" "$d/piped.gpi")",
         0, d + "/piped.gpi: 1 POI in 1 category\n", ""},
        {R"("$cli" convert <(csv) --category Z -o "$d/z.gpi" >/dev/null &&
            cat "$d/z.gpi" | "$cli" inspect -)",
         0, "\u201CZ\u201D: 2 POIs\n2 POIs in 1 category\n", ""},
        {R"("$cli" send <(csv) --device "$d/GPS" --backup-root "$d/backups")", 0, sent, ""},
        // A ready .gpi through a named pipe, its writer waiting for the program to open it.
        {R"("$cli" convert <(csv) -o "$d/z.gpi" >/dev/null && mkfifo "$d/ready.gpi" &&
            feed "$d/ready.gpi" cat "$d/z.gpi" &&
            "$cli" send "$d/ready.gpi" --device "$d/GPS" --backup-root "$d/backups")",
         0, sent, ""},
        {R"(mkfifo "$d/stops.csv" "$d/stops.bmp" && feed "$d/stops.csv" csv &&
            timeout 20 "$cli" convert "$d/stops.csv" -o "$d/stops.gpi")",
         0, d + "/stops.gpi: 2 POIs in 1 category\n",
         "stops.bmp: Marklode reads only regular files, not pipes, devices or sockets.\n"},
        // No icon is looked for beside standard input: this one would be a warning.
        {R"(cd "$d" && printf 'BM junk' >./-.bmp && csv | "$cli" convert - -o out.gpi)", 0,
         "out.gpi: 2 POIs in 1 category\n", ""},
        // Standard input may come non-blocking from the caller; the rows arriving late still count.
        {R"({ sleep 0.3; csv; } | python3 -c 'import fcntl, os, sys
fcntl.fcntl(0, fcntl.F_SETFL, fcntl.fcntl(0, fcntl.F_GETFL) | os.O_NONBLOCK)
os.execv(sys.argv[1], sys.argv[1:])' "$cli" convert - --category N -o "$d/n.gpi")",
         0, d + "/n.gpi: 2 POIs in 1 category\n", ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir / "backups");
        std::filesystem::remove(poiFile());
        auto run = runShell(prelude + c.script, {{"d", d}, {"SOURCE_DATE_EPOCH", "1700000000"}});
        EXPECT_EQ(run.status, c.status) << c.script << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << c.script;
        EXPECT_EQ(run.err, c.err) << c.script;
    }
}
