#include "support/GermanTexts.h"

#include "rules/LibraryMessages.h"
#include "rules/TransferMessages.h"
#include "rules/UpdateMessages.h"

#include <gtest/gtest.h>
#include <optional>

using namespace marklode;

namespace {

std::string grouped(std::int64_t count) {
    return count == 1234 ? "1.234" : std::to_string(count);
}

TEST_F(GermanTextsTest, PluralFormsFollowTheCountAndPlaceholdersTheTranslation) {
    struct Case {
        std::string actual;
        std::string expected;
    } cases[] = {
        {sentMessage(1234, 0, "Edge 530", std::nullopt, grouped),
         "1.234 POIs in 0 Kategorien an Edge 530 gesendet. Die Datei wurde zurückgelesen und "
         "geprüft."},
        {sentMessage(1234, 1, "Edge 530", std::nullopt, grouped),
         "1.234 POIs in 1 Kategorie an Edge 530 gesendet. Die Datei wurde zurückgelesen und "
         "geprüft."},
        {sentMessage(1234, 2, "Edge 530", std::nullopt, grouped),
         "1.234 POIs in 2 Kategorien an Edge 530 gesendet. Die Datei wurde zurückgelesen und "
         "geprüft."},
        {sentMessage(1, 5, "Edge 530", std::nullopt, grouped),
         "1 POIs in 5 Kategorien an Edge 530 gesendet. Die Datei wurde zurückgelesen und "
         "geprüft."},
        // The folder comes before the file's name in German.
        {downloadVerifiedTexts("1.5", "marklode-1.5.deb", "/home/a/Downloads").message,
         "Der Download wurde überprüft und in /home/a/Downloads als \u201Cmarklode-1.5.deb\u201D "
         "gespeichert."},
        {saveStatusMessage(2, 1, true), "2 Dateien gespeichert. 1 übersprungen. Abgebrochen."},
        {fixedProximityRangeMessage(DistanceUnit::meters),
         "Die Entfernung für \u201CEine Entfernung für alle\u201D muss zwischen 0 und 65.535 m "
         "liegen."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}

} // namespace
