#include "ui/main/IssuesPopover.h"

#include "WindowFixture.h"
#include "models/InputFile.h"
#include "translations/DesktopLanguage.h"
#include "ui/main/SidebarModel.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTreeView>

using namespace marklode;
using namespace marklode::test;

namespace {

class IssuesPopoverTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }
};

} // namespace

// Many skipped rows are listed by reason, each once with how many rows it took and their lines,
// the rows beneath it; a few stay a plain list. Copy puts every one of them on the clipboard.
TEST_F(IssuesPopoverTest, SkippedRowsAreGroupedByReasonAndCopiedWhole) {
    auto rows = [](const std::string& row, int count, bool numbered) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += numbered ? "Bad,x" + std::to_string(i) + ",8\n" : row;
        return text;
    };
    struct Case {
        std::string name, text;
        bool grouped;
        QStringList shown;  // the list's rows
        QStringList spoken; // what a screen reader says of them
        QStringList firstBeneath;
    };
    const std::string header = "Name,Latitude,Longitude\n";
    std::string features;
    for (int i = 0; i < 8; ++i)
        features +=
            R"({"type": "Feature", "geometry": {"type": "LineString", "coordinates": []}},)";
    features += R"({"type": "Feature", "geometry": {"type": "Point", "coordinates": [8, 47]}})";
    const Case cases[] = {
        {"few.csv",
         header + "Bad,x,8\n,47,8\nGood,47,8\n",
         false,
         {"Line 2: Invalid latitude \"x\".", "Line 3: Missing name."},
         {"Line 2: Invalid latitude \"x\".", "Line 3: Missing name."},
         {}},
        {"values.csv",
         header + rows("", 12, true) + rows(",47,8\n", 3, false),
         true,
         {"Invalid latitude.\n12 rows \u00B7 lines 2, 3, 4 and 9 more",
          "Missing name.\n3 rows \u00B7 lines 14, 15 and 16"},
         {"Invalid latitude. 12 rows, lines 2, 3, 4 and 9 more.",
          "Missing name. 3 rows, lines 14, 15 and 16."},
         {"Line 2: Invalid latitude \"x0\".", "Line 3: Invalid latitude \"x1\"."}},
        // A GeoJSON file's features are told by their positions.
        {"features.geojson",
         R"({"type": "FeatureCollection", "features": [)" + features + "]}",
         true,
         {"Not a point.\n8 rows \u00B7 features 1, 2, 3 and 5 more",
          "Missing name.\n1 row \u00B7 feature 9"},
         {"Not a point. 8 rows, features 1, 2, 3 and 5 more.", "Missing name. 1 row, feature 9."},
         {"Feature 1", "Feature 2"}},
        {"many.csv",
         header + ",47,8\n" + rows("Bad,x,8\n", 1000, false),
         true,
         {"Invalid latitude \"x\".\n1,000 rows \u00B7 lines 3, 4, 5 and 997 more",
          "Missing name.\n1 row \u00B7 line 2"},
         {"Invalid latitude \"x\". 1,000 rows, lines 3, 4, 5 and 997 more.",
          "Missing name. 1 row, line 2."},
         {"Line 3", "Line 4"}},
    };
    for (const Case& c : cases) {
        InputFile* file = addFile(c.name, c.text);
        auto* popover = new IssuesPopover(*file, QLocale(QStringLiteral("en_US")), window.get());
        SkippedRowsModel* model = popover->rows();
        EXPECT_EQ(model->isGrouped(), c.grouped) << c.name;
        QStringList shown, spoken;
        for (int row = 0; row < model->rowCount(); ++row) {
            shown << model->index(row, 0).data().toString();
            spoken << model->index(row, 0).data(Qt::AccessibleTextRole).toString();
        }
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(spoken, c.spoken) << c.name;
        QStringList beneath;
        for (int row = 0; row < model->rowCount(model->index(0, 0)) && row < 2; ++row)
            beneath << model->index(row, 0, model->index(0, 0)).data().toString();
        EXPECT_EQ(beneath, c.firstBeneath) << c.name;
        EXPECT_EQ(popover->list()->rootIsDecorated(), c.grouped) << c.name;

        // Every row, in the file's order, as the command line writes them.
        QStringList lines;
        for (const ImportIssue& issue : file->issues())
            lines << QString::fromStdString(issue.text());
        QTest::mouseClick(popover->copyButton(), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join('\n')) << c.name;
        EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n') + 1,
                  static_cast<qsizetype>(file->issues().size()))
            << c.name;
        delete popover;
    }
    // The list and the button are named for a screen reader, which hears the rows' own texts.
    InputFile* file = library->files().back();
    auto* popover = new IssuesPopover(*file, QLocale(QStringLiteral("en_US")), window.get());
    popover->showBelow(QRect(window->mapToGlobal(QPoint(300, 40)), QSize(20, 20)));
    EXPECT_EQ(spoken(popover->list()), "Skipped rows");
    EXPECT_EQ(spoken(popover->copyButton()), "Copy");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(popover->list());
    QStringList heard;
    for (int i = 0; i < list->childCount(); ++i)
        heard << list->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(heard.contains("Missing name. 1 row, line 2.")) << heard.join(" | ").toStdString();
    popover->close();
}

// In German the counts pick their own plural forms, one and none included, and the numbers stay
// grouped as the window's locale groups them.
TEST(SkippedRowsTextsTest, CountsTakeTheLanguagesPluralForms) {
    const QLocale locale(QStringLiteral("de_DE"));
    useLanguage("de");
    struct Case {
        std::size_t count;
        QString tooltip, rows, pois;
    };
    const Case cases[] = {
        {0, "0 Zeilen wurden \u00FCbersprungen. Klicken Sie, um die Gr\u00FCnde zu sehen.",
         "0 Zeilen", "0 POIs"},
        {1, "1 Zeile wurde \u00FCbersprungen. Klicken Sie, um den Grund zu sehen.", "1 Zeile",
         "1 POI"},
        {2, "2 Zeilen wurden \u00FCbersprungen. Klicken Sie, um die Gr\u00FCnde zu sehen.",
         "2 Zeilen", "2 POIs"},
        {5, "5 Zeilen wurden \u00FCbersprungen. Klicken Sie, um die Gr\u00FCnde zu sehen.",
         "5 Zeilen", "5 POIs"},
        {1204, "1204 Zeilen wurden \u00FCbersprungen. Klicken Sie, um die Gr\u00FCnde zu sehen.",
         "1.204 Zeilen", "1.204 POIs"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SidebarModel::issueTooltip(c.count), c.tooltip) << c.count;
        EXPECT_EQ(SkippedRowsModel::rowCountText(c.count, locale), c.rows) << c.count;
        EXPECT_EQ(SidebarModel::poiCountText(c.count, locale), c.pois) << c.count;
    }
    EXPECT_EQ(SkippedRowsModel::linesText({4, 9, 12}, 4, locale, ImportIssue::Place::feature),
              "Features 4, 9, 12 und 1 weiteres");
    useLanguage("en");
    EXPECT_EQ(SidebarModel::issueTooltip(1), "1 rows were skipped. Click to see why.");
    EXPECT_EQ(SidebarModel::poiCountText(1, locale), "1 POI");
}
