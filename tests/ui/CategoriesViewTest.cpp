#include "WindowFixture.h"
#include "models/InputFile.h"
#include "ui/detail/CategoryList.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/POITable.h"
#include "ui/detail/POITableModel.h"
#include "ui/detail/SettingsForm.h"
#include "ui/devices/SendConfirmationSheet.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

using namespace marklode;
using namespace marklode::test;

// A file's categories and the details of its POIs, as the window shows and counts them.
namespace {

class CategoriesViewTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }
};

} // namespace

// The categories the POIs give show, and make the export's categories, once the file is set
// to keep them; details show in columns of their own where the file has them.
TEST_F(CategoriesViewTest, CategoriesAndDetailsShowWhereTheFileHasThem) {
    InputFile* file = addFile("split.csv", "Name,Latitude,Longitude,Category,City,Phone\n"
                                           "A,47,8,Fuel,Bern,031 1\n"
                                           "B,47,8,,,\n"
                                           "C,47,8,Cafe,Thun,\n"
                                           "D,47,8,Fuel,,\n");
    SettingsForm* form = window->fileDetail()->settingsForm();
    QComboBox* picker = form->categoryModePicker();
    // Named by its current choice, after the label it is the buddy of.
    EXPECT_EQ(spoken(picker), "Categories One for the file");
    EXPECT_EQ(picker->accessibleName(), "Categories");

    POITable* table = window->fileDetail()->table();
    // Of the table shown, which is another one for another file.
    auto shownColumns = [&] {
        QStringList titles;
        POITable* shown = window->fileDetail()->table();
        for (int column = 0; column < shown->model()->columnCount(); ++column)
            if (!shown->isColumnHidden(column))
                titles << shown->model()->headerData(column, Qt::Horizontal).toString();
        return titles.join(',');
    };
    auto names = [&] {
        QStringList shown;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            shown << table->model()->index(row, POITableModel::name).data().toString();
        return shown.join(',');
    };
    CategoryList* list = form->categoryList();
    EXPECT_EQ(shownColumns(), "Name,Comment,City,Phone,Latitude,Longitude,Alert");
    EXPECT_FALSE(list->isVisibleTo(form));
    // Beside the details the name keeps a readable width rather than sharing what is left.
    EXPECT_GT(table->columnWidth(POITableModel::name),
              table->fontMetrics().horizontalAdvance(QStringLiteral("A fairly long")));

    picker->setCurrentIndex(picker->findText("From the file"));
    Q_EMIT picker->activated(picker->currentIndex());
    EXPECT_EQ(file->categoryMode(), CategoryMode::fromFile);
    EXPECT_EQ(shownColumns(), "Name,Category,Comment,City,Phone,Latitude,Longitude,Alert");
    EXPECT_TRUE(list->isVisibleTo(form));
    EXPECT_EQ(list->accessibleName(), "Categories in the file");
    QStringList listed;
    for (int row = 0; row < list->count(); ++row)
        listed << list->item(row)->text();
    EXPECT_EQ(listed, QStringList({"Fuel \u2014 2", "split \u2014 1", "Cafe \u2014 1"}));
    EXPECT_FALSE(list->item(0)->icon().isNull()) << "each category shows its icon";
    EXPECT_EQ(table->model()->index(2, POITableModel::category).data().toString(), "Cafe");

    // Sorted by category, then copied: the rows in that order with the shown columns.
    table->sortByColumn(POITableModel::category, Qt::AscendingOrder);
    await(table->rows()->whenSorted());
    EXPECT_EQ(names(), "B,C,A,D");
    table->selectAll();
    await(table->copySelection());
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Name,Category,Comment,City,Phone,Latitude,Longitude,Alert\n"
              "B,,,,,47,8,\nC,Cafe,,Thun,,47,8,\nA,Fuel,,Bern,031 1,47,8,\nD,Fuel,,,,47,8,\n");
    // Search finds a row by its details too.
    window->searchField()->setText("thun");
    EXPECT_EQ(names(), "C");
    window->searchField()->setText("");

    // Back to one category: its column goes, and the rows with it to the file's order.
    file->setCategoryMode(CategoryMode::oneForFile);
    await(table->rows()->whenSorted());
    EXPECT_EQ(shownColumns(), "Name,Comment,City,Phone,Latitude,Longitude,Alert");
    EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), -1);
    EXPECT_EQ(names(), "A,B,C,D");
    EXPECT_FALSE(list->isVisibleTo(form));

    library->setSelection(addFile("plain.csv", std::string(oneRow))->id());
    EXPECT_EQ(shownColumns(), "Name,Comment,Latitude,Longitude,Alert");
}

// The files are named beside the categories only when some file makes several.
TEST_F(CategoriesViewTest, SendSheetCountsFilesWhereTheyAreNotTheCategories) {
    struct Case {
        std::optional<std::int64_t> files;
        QString shown;
    } cases[] = {{3, "Files 3"}, {7, ""}, {std::nullopt, ""}};
    for (const Case& c : cases) {
        SendPlan plan{dir / "GPS", "GPS", 7, 1234, false};
        plan.fileCount = c.files;
        SendConfirmationSheet sheet(plan, QLocale(QStringLiteral("en_US")), window.get());
        auto* files = sheet.findChild<QLabel*>("valueFiles");
        EXPECT_EQ(files ? spoken(files) : QString(), c.shown);
        EXPECT_EQ(spoken(sheet.findChild<QLabel*>("valueCategories")), "Categories 7");
    }
}
