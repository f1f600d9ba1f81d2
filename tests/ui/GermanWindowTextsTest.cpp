#include "WindowFixture.h"
#include "translations/DesktopLanguage.h"
#include "ui/detail/FileDetailView.h"
#include "ui/devices/SendConfirmationSheet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

using namespace marklode;
using namespace marklode::test;

namespace {

class GermanWindowTextsTest : public WindowFixture {
  protected:
    void SetUp() override { useLanguage("de"); }
    void TearDown() override { useLanguage("en"); }
};

TEST_F(GermanWindowTextsTest, CountsTakeTheirPluralAndSheetsKeepTheirNames) {
    // English says "1 POIs"; German has a singular.
    for (const auto& [rows, subtitle] : {std::pair{0, "0 POIs"}, std::pair{1, "1 POI"},
                                         std::pair{2, "2 POIs"}, std::pair{5, "5 POIs"}}) {
        std::string text = "Name,Latitude,Longitude\n";
        for (int i = 0; i < rows; ++i)
            text += "P,47,8\n";
        library->setSelection(addFile("f" + std::to_string(rows) + ".csv", text)->id());
        EXPECT_EQ(window->fileDetail()->subtitle(), subtitle);
    }

    SendPlan plan{dir / "GPS", "Drive 53", 3, 7, true, 2'000'000, 3'400'000'000};
    SendConfirmationSheet sheet(plan, QLocale(QStringLiteral("de_DE")), window.get());
    // The name moves from the end of the sentence into it.
    EXPECT_EQ(sheet.windowTitle(), "An Drive 53 senden?");
    // The facts keep their English object names, labelled in German.
    EXPECT_EQ(spoken(sheet.findChild<QLabel*>("valueDevice")), "Gerät Drive 53");
    EXPECT_EQ(spoken(sheet.findChild<QLabel*>("valuePOIs")), "POIs 7");
    EXPECT_EQ(sheet.findChild<QPushButton*>("confirmSend")->text(), "Sichern und ersetzen");
    // Qt's own buttons speak German too, from Qt's catalog.
    QDialogButtonBox qtButtons(QDialogButtonBox::Cancel);
    EXPECT_EQ(qtButtons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}

} // namespace
