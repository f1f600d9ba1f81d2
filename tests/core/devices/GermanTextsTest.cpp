#include "support/GermanTexts.h"

#include "core/devices/DeviceTransferError.h"
#include "core/gpi/GPIIconError.h"
#include "core/import/ImportIssue.h"
#include "core/text/ByteCount.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

namespace {

TEST_F(GermanTextsTest, CoreTextsComeFromTheCatalogWithTheirCountsAndPlaceholders) {
    struct Case {
        std::string shown;
        std::string expected;
    };
    const std::string retry =
        ", geschrieben wurden aber 3. Versuchen Sie es erneut oder stellen Sie die Sicherung "
        "wieder her.";
    const Case cases[] = {
        {DeviceTransferError::verificationFailed(3, 0).description(),
         "Die Datei auf dem Gerät enthält 0 POIs" + retry},
        {DeviceTransferError::verificationFailed(3, 1).description(),
         "Die Datei auf dem Gerät enthält 1 POI" + retry},
        {DeviceTransferError::verificationFailed(3, 2).description(),
         "Die Datei auf dem Gerät enthält 2 POIs" + retry},
        {DeviceTransferError::verificationFailed(3, 5).description(),
         "Die Datei auf dem Gerät enthält 5 POIs" + retry},
        // The translation names the image's size before the limit.
        {GPIIconError::tooLarge(5000, 300).description(),
         "Das Bild ist 5000x300 Pixel groß, darf aber höchstens 4096x4096 Pixel groß sein."},
        {formattedByteCount(1), "1 Byte"},
        {ImportIssue::because(7, "Invalid longitude %1.", {"\"x\""}).text(),
         "Zeile 7: Ungültiger Längengrad \"x\"."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, c.expected);
}

TEST_F(GermanTextsTest, AnIssueKeepsItsEnglishMessageForMachineReadableOutput) {
    ImportIssue issue = ImportIssue::because(2, "Missing name.", {}, ImportIssue::Place::feature);
    EXPECT_EQ(issue.message, "Missing name.");
    EXPECT_EQ(issue.translatedMessage(), "Name fehlt.");
    EXPECT_EQ(issue.text(), "Feature 2: Name fehlt.");
}

} // namespace
