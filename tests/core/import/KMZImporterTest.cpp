#include "core/import/KMZImporter.h"

#include "core/import/ImportError.h"
#include "core/io/ReadFile.h"
#include "tests/core/import/ImportPrinters.h"
#include "tests/support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <zip.h>

using namespace marklode;

namespace {

struct Entry {
    std::string name;
    std::string bytes;
};

// A real archive, deflated by the zip library.
std::string zipOf(const std::vector<Entry>& entries) {
    test::TempDir dir;
    std::string path = (dir / "made.kmz").string();
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    for (const Entry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        EXPECT_GE(zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8), 0)
            << entry.name;
    }
    EXPECT_EQ(zip_close(archive), 0);
    return readFileBytes(path);
}

std::string kml(const std::string& body) {
    return "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>" + body + "</Document></kml>";
}

std::string placemark(const std::string& name, const std::string& style = "") {
    return "<Placemark><name>" + name + "</name>" + style +
           "<Point><coordinates>2,1</coordinates></Point></Placemark>";
}

std::string namesOf(const ImportResult& result) {
    std::string names;
    for (const POI& poi : result.pois)
        names += poi.name + ";";
    return names;
}

ImportError errorOf(const std::string& bytes, KMZImporter::Limits limits = {}) {
    try {
        KMZImporter(limits).importData(bytes);
    } catch (const ImportError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return ImportError::unreadableText();
}

using Problem = ImportError::InvalidKMZ::Problem;

} // namespace

TEST(KMZImporterTest, ReadsTheDocumentItLooksFor) {
    struct Case {
        const char* title;
        std::vector<Entry> entries;
        std::string names;
    };
    const Case cases[] = {
        {"doc.kml wins wherever it is listed",
         {{"a.kml", kml(placemark("A"))}, {"DOC.KML", kml(placemark("Doc"))}},
         "Doc;"},
        {"else the first .kml at the root",
         {{"files/x.kml", kml(placemark("Nested"))},
          {"b.kml", kml(placemark("B"))},
          {"a.kml", kml(placemark("A"))}},
         "B;"},
        {"names outside the archive's tree are never read",
         {{"../doc.kml", kml(placemark("Up"))},
          {"/doc.kml", kml(placemark("Root"))},
          {"sub/../../doc.kml", kml(placemark("Climb"))},
          {"./x.kml", kml(placemark("X"))}},
         "X;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(namesOf(KMZImporter().importData(zipOf(c.entries))), c.names) << c.title;
}

TEST(KMZImporterTest, RefusesArchivesWithoutAUsableDocument) {
    std::string good = zipOf({{"doc.kml", kml(placemark("A"))}});
    std::string corrupted = good;
    corrupted[corrupted.find("PK\x01\x02") + 16] ^= 0x55; // the entry's CRC in the directory
    struct Case {
        const char* title;
        std::string bytes;
        ImportError error;
    };
    const Case cases[] = {
        {"not a zip", "<kml></kml>", ImportError::invalidKMZ(Problem::damaged)},
        {"truncated", good.substr(0, good.size() - 10), ImportError::invalidKMZ(Problem::damaged)},
        {"checksum mismatch", corrupted, ImportError::invalidKMZ(Problem::damaged)},
        {"no kml at the root", zipOf({{"files/doc.kml", kml("")}, {"doc.kml.txt", ""}}),
         ImportError::invalidKMZ(Problem::noDocument)},
        {"only unsafe names", zipOf({{"../doc.kml", kml("")}}),
         ImportError::invalidKMZ(Problem::noDocument)},
        {"broken xml inside", zipOf({{"doc.kml", "<kml>\n<Document></kml>"}}),
         ImportError::invalidXML(2, "mismatched tag", ImportError::Document::kmlInKMZ)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.bytes), c.error) << c.title;
}

TEST(KMZImporterTest, RefusesADocumentThatInflatesBeyondTheLimit) {
    const auto started = std::chrono::steady_clock::now();
    // 16 MiB of white space deflates to a few dozen KiB; the limit is counted as it inflates.
    std::string bomb = zipOf({{"doc.kml", "<kml>" + std::string(16 << 20, ' ') + "</kml>"}});
    ASSERT_LT(bomb.size(), 1u << 20);
    EXPECT_EQ(errorOf(bomb, {.documentBytes = 1 << 20}),
              ImportError::invalidKMZ(Problem::documentTooLarge, 1 << 20));
    std::string exact = zipOf({{"doc.kml", kml(placemark("A"))}});
    EXPECT_EQ(namesOf(KMZImporter({.documentBytes = kml(placemark("A")).size()}).importData(exact)),
              "A;");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

TEST(KMZImporterTest, GivesACategoryTheImageAllItsPlacemarksShare) {
    const std::string png = "\x89PNG\r\n\x1A\n-a", other = "\x89PNG\r\n\x1A\n-b";
    const std::string styles =
        "<Style id=\"a\"><IconStyle><Icon><href>images/a.png</href></Icon></IconStyle></Style>"
        "<Style id=\"b\"><IconStyle><Icon><href>./files/b%20x.png</href></Icon></IconStyle>"
        "</Style><Style id=\"web\"><IconStyle><Icon><href>http://example.com/a.png</href>"
        "</Icon></IconStyle></Style><Style id=\"up\"><IconStyle><Icon><href>../a.png</href>"
        "</Icon></IconStyle></Style><Style id=\"big\"><IconStyle><Icon><href>big.png</href>"
        "</Icon></IconStyle></Style><StyleMap id=\"m\"><Pair><key>highlight</key><styleUrl>#b"
        "</styleUrl></Pair><Pair><key>normal</key><styleUrl>#a</styleUrl></Pair></StyleMap>";
    auto folder = [](const std::string& name, const std::string& placemarks) {
        return "<Folder><name>" + name + "</name>" + placemarks + "</Folder>";
    };
    auto use = [](const std::string& id) { return "<styleUrl>#" + id + "</styleUrl>"; };
    std::string document = kml(
        styles + placemark("Top", use("a")) +
        folder("Shared", placemark("1", use("a")) + placemark("2", use("m"))) +
        folder("Mixed", placemark("1", use("a")) + placemark("2", use("b"))) +
        folder("Partly", placemark("1", use("a")) + placemark("2")) +
        folder("Inline", placemark("1", "<Style><IconStyle><Icon><href>files/b%20x.png</href>"
                                        "</Icon></IconStyle></Style>")) +
        folder("Escaped", placemark("1", use("b"))) + folder("Remote", placemark("1", use("web"))) +
        folder("Outside", placemark("1", use("up"))) + folder("Large", placemark("1", use("big"))) +
        folder("Missing", placemark("1", use("nosuch"))));
    std::string archive = zipOf({{"doc.kml", document},
                                 {"images/a.png", png},
                                 {"files/b x.png", other},
                                 {"a.png", png},
                                 {"big.png", std::string(2000, 'x')}});
    ImportResult result = KMZImporter({.imageBytes = 1000}).importData(archive);
    EXPECT_EQ(result.pois.size(), 13u);
    auto bytes = [](const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    EXPECT_EQ(result.categoryImages, (std::vector<CategoryImage>{{"", bytes(png)},
                                                                 {"Shared", bytes(png)},
                                                                 {"Inline", bytes(other)},
                                                                 {"Escaped", bytes(other)}}));
}
