#include "ui/detail/FileDetailView.h"

#include "WindowFixture.h"
#include "models/InputFile.h"
#include "ui/detail/IconPreview.h"
#include "ui/detail/MarkerSample.h"
#include "ui/detail/POIMap.h"
#include "ui/detail/POITable.h"
#include "ui/detail/POITableModel.h"
#include "ui/detail/SettingsForm.h"
#include "ui/main/SearchField.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/NextAnswer.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace marklode;
using namespace marklode::test;

namespace {

std::string csvRows(int count) {
    std::string text = "Name,Latitude,Longitude,Comment\n";
    for (int i = 0; i < count; ++i)
        text += "P" + std::to_string(i) + "," + std::to_string(40 + i % 10) + ".5,8.25,c" +
                std::to_string(i) + "\n";
    return text;
}

class FileDetailViewTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }

    FileDetailView* view() const { return window->fileDetail(); }
    QStringList labelTexts() const {
        QStringList texts;
        for (QLabel* label : view()->findChildren<QLabel*>())
            if (label->isVisibleTo(view()))
                texts << label->text();
        return texts;
    }
};

} // namespace

TEST(MarkerSampleTest, SpreadsOverLargeFilesAndKeepsTheSelectedRow) {
    // Every row, or every other one as a search might leave them.
    auto matches = [](std::size_t count, std::size_t stride) {
        std::vector<std::size_t> made(count);
        for (std::size_t i = 0; i < count; ++i)
            made[i] = i * stride;
        return made;
    };
    std::vector<std::size_t> five = matches(5000, 1);
    std::vector<std::size_t> sample = markerSample(five, std::nullopt);
    ASSERT_EQ(sample.size(), 2000u);
    EXPECT_EQ(std::vector<std::size_t>(sample.begin(), sample.begin() + 5),
              (std::vector<std::size_t>{0, 2, 5, 7, 10}));
    EXPECT_EQ(sample.back(), 4997u);
    EXPECT_EQ(markerSample(five, 4999).back(), 4999u);
    EXPECT_EQ(markerSample(five, 5).back(), 4997u) << "a sampled row needs no replacing";
    EXPECT_EQ(markerSample(matches(2000, 1), 1999).size(), 2000u);
    EXPECT_EQ(markerSample(matches(2000, 1), std::nullopt).back(), 1999u);
    std::vector<std::size_t> even = markerSample(matches(5000, 2), 4999);
    EXPECT_EQ(even[1], 4u) << "positions of the matches, not indices";
    EXPECT_EQ(even.back(), 9998u);
}

TEST(IconPreviewTest, MagentaIsTransparentAndSmallIconsAreStretched) {
    QImage image = iconPreviewImage(GPIIcon::defaultIcon());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the built-in icon's corner is magenta";
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);

    std::vector<std::uint8_t> bgr(3 * 16 * 16, 0);
    bgr[0] = 255, bgr[1] = 0, bgr[2] = 255; // top-left magenta
    bgr[3] = 10, bgr[4] = 20, bgr[5] = 30;  // its neighbour blue 10, green 20, red 30
    IconPreview preview;
    preview.setIcon(GPIIcon(16, 16, bgr, false));
    EXPECT_EQ(preview.size(), QSize(24, 24));
    QImage shown(preview.size(), QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    preview.render(&shown, {}, {}, QWidget::RenderFlags());
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(QColor(shown.pixel(2, 0)), QColor(30, 20, 10)) << "nearest neighbour, no blending";
}

TEST(POITableOrderTest, NamesSortNaturallyNumbersByValueAlertsBySpeedThenDistance) {
    const POIStore rows{
        POI{47.5, 8.5, "P10", "b", 50, 300},
        POI{-33.9, 151.2, "P2", std::nullopt, 50, 100},
        POI{-0.5, -70.1, "p1", "a10", std::nullopt, std::nullopt},
        POI{10, -180, "P2", "a9", 30, 500},
        POI{9.75, 12, "\xC3\x84pfel", "", 120, std::nullopt},
    };
    const ProximitySettings fromFile{ProximityMode::fromFile};
    const ProximitySettings off{ProximityMode::off};
    struct Case {
        POITableModel::Column column;
        Qt::SortOrder order;
        ProximitySettings proximity;
        std::vector<std::uint32_t> expected;
    };
    const Qt::SortOrder up = Qt::AscendingOrder, down = Qt::DescendingOrder;
    const Case cases[] = {
        // Äpfel, p1, P2, P2, P10: digits by value, case and accents aside; equal names keep the
        // file's order either way.
        {POITableModel::name, up, fromFile, {4, 2, 1, 3, 0}},
        {POITableModel::name, down, fromFile, {0, 1, 3, 2, 4}},
        // No comment and an empty one are alike, then "a9" before "a10".
        {POITableModel::comment, up, fromFile, {1, 4, 3, 2, 0}},
        {POITableModel::latitude, up, fromFile, {1, 2, 4, 3, 0}},
        {POITableModel::latitude, down, fromFile, {0, 3, 4, 2, 1}},
        {POITableModel::longitude, up, fromFile, {3, 2, 0, 4, 1}},
        // None first, then 30 km/h, then 50 km/h at 100 m before 50 km/h at 300 m.
        {POITableModel::alert, up, fromFile, {2, 3, 1, 0, 4}},
        {POITableModel::alert, down, fromFile, {4, 0, 1, 3, 2}},
        // Without the file's distances the two rows at 50 km/h are equal.
        {POITableModel::alert, up, off, {2, 3, 0, 1, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            sortedPositions(rows, c.column, c.order, c.proximity, QLocale(QStringLiteral("en_US"))),
            c.expected)
            << "column " << c.column << (c.order == up ? " up" : " down");
}

TEST(POITableOrderTest, CopiedRowsAreCSVWithAHeaderAndQuotedWhereNeeded) {
    struct Case {
        POI poi;
        const char* line;
    };
    const Case cases[] = {
        {POI{47.5, 8.25, "Cafe", std::nullopt, 50, 300}, "Cafe,,47.5,8.25,\"50 km/h, 300 m\""},
        {POI{-33.865143, 151.2099, "Bar, Grill", "open", std::nullopt, std::nullopt},
         "\"Bar, Grill\",open,-33.865143,151.2099,"},
        {POI{0.0000001, -180, "The \"Stop\"", std::nullopt, 30, std::nullopt},
         "\"The \"\"Stop\"\"\",,0.0000001,-180,30 km/h"},
        {POI{1, 2, "Gate", "line one\nline two\r\nthree", std::nullopt, 100},
         "Gate,\"line one\nline two\r\nthree\",1,2,100 m"},
    };
    POIStore rows;
    const std::vector<POITableModel::Column> columns{
        POITableModel::name, POITableModel::comment, POITableModel::latitude,
        POITableModel::longitude, POITableModel::alert};
    for (const Case& c : cases) {
        rows.push_back(c.poi);
        EXPECT_EQ(csvText(rows, {rows.size() - 1}, columns, ProximitySettings{},
                          SpeedUnit::kilometersPerHour, DistanceUnit::meters)
                      .toStdString(),
                  "Name,Comment,Latitude,Longitude,Alert\n" + std::string(c.line) + "\n");
    }
    // In the order asked for, in the units and with the proximity rule of the file.
    EXPECT_EQ(csvText(rows, {3, 0}, columns, ProximitySettings{ProximityMode::off},
                      SpeedUnit::milesPerHour, DistanceUnit::feet)
                  .toStdString(),
              "Name,Comment,Latitude,Longitude,Alert\n"
              "Gate,\"line one\nline two\r\nthree\",1,2,\n"
              "Cafe,,47.5,8.25,31 mph\n");
}

TEST_F(FileDetailViewTest, AnUnreadableFileShowsOnlyThePlaceholder) {
    InputFile* file = addFile("broken.gpx", "<gpx><wpt");
    ASSERT_TRUE(file->loadError());
    EXPECT_EQ(view()->settingsForm(), nullptr);
    EXPECT_EQ(view()->table(), nullptr);
    EXPECT_TRUE(labelTexts().contains("Can't Read broken.gpx"));
    EXPECT_TRUE(labelTexts().contains(*file->loadError()));
    EXPECT_FALSE(window->searchField()->isVisibleTo(window.get()));
}

TEST_F(FileDetailViewTest, TheFormShowsWhatAppliesToTheFile) {
    addFile("a.gpx", "<gpx><wpt lat=\"1\" lon=\"2\"><name>A</name></wpt></gpx>");
    EXPECT_FALSE(view()->settingsForm()->speedUnitButtons());
    InputFile* csv = addFile("stops.csv", csvRows(3));
    library->setSelection(csv->id());
    SettingsForm* form = view()->settingsForm();
    ASSERT_TRUE(form->speedUnitButtons());
    window->resize(1100, 800);
    // The form is shown whole where there is room, its notes included.
    // Layouts settle over a few turns of the event loop, more of them on a busy machine.
    auto shownWhole = [&] {
        return QTest::qWaitFor([&] {
            return form->visibleRegion().boundingRect().height() == form->sizeHint().height();
        });
    };
    EXPECT_TRUE(shownWhole());

    auto pick = [](QComboBox* picker, const QString& item) {
        picker->setCurrentIndex(picker->findText(item));
        Q_EMIT picker->activated(picker->currentIndex());
    };
    pick(form->proximityPicker(), "One distance for all");
    EXPECT_EQ(csv->proximityMode(), ProximityMode::fixed);
    EXPECT_TRUE(form->distanceField()->isVisibleTo(form));
    EXPECT_TRUE(form->unitPicker()->isVisibleTo(form));
    auto enter = [&](const char* distance) {
        form->distanceField()->setText(distance);
        Q_EMIT form->distanceField()->editingFinished();
    };
    enter("1,250");
    EXPECT_EQ(csv->fixedProximity(), 1250.0);
    // More than a .gpi holds is refused, saying why, and never remembered.
    enter("300000");
    EXPECT_EQ(csv->fixedProximity(), 1250.0);
    EXPECT_EQ(form->distanceField()->text(), "1250");
    EXPECT_TRUE(form->distanceErrorLabel()->isVisibleTo(form));
    EXPECT_EQ(form->distanceErrorLabel()->text(),
              "The distance for \u201cOne distance for all\u201d must be from 0 to 215,000 ft.");
    pick(form->unitPicker(), "Feet");
    EXPECT_FALSE(form->distanceErrorLabel()->isVisibleTo(form));
    EXPECT_EQ(csv->distanceUnit(), DistanceUnit::feet);
    EXPECT_EQ(view()->table()->model()->index(0, POITableModel::alert).data().toString(),
              "1250 ft");
    enter("200000");
    pick(form->unitPicker(), "Metres");
    EXPECT_EQ(form->distanceField()->text(), "65535") << "200,000 ft is more metres than fit";
    EXPECT_EQ(addFile("next.csv", csvRows(1))->fixedProximity(), 65535.0)
        << "the remembered default is the distance in force, never a refused one";
    pick(form->unitPicker(), "Feet");
    pick(form->proximityPicker(), "Off");
    EXPECT_FALSE(form->distanceField()->isVisibleTo(form));

    csv->applyIconSource(IconSource::custom(dir / "missing.bmp"));
    EXPECT_TRUE(form->iconErrorLabel()->isVisibleTo(form));
    EXPECT_TRUE(shownWhole());
    EXPECT_EQ(form->iconSourceLabel()->text(), "Marklode default");
    EXPECT_FALSE(form->useDefaultIconButton()->isVisibleTo(form));
}

TEST_F(FileDetailViewTest, ChooseIconTakesAPNGAndScalesItDown) {
    InputFile* csv = addFile("stops.csv", csvRows(1));
    library->setSelection(csv->id());
    QPushButton* choose = view()->settingsForm()->chooseIconButton();
    EXPECT_EQ(choose->text(), "Choose Icon\u2026");
    QImage picture(48, 36, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 255, 128));
    Path png = dir / "icon.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(png.string()), "PNG"));
    NextAnswer::set(std::optional<QStringList>(QStringList{QString::fromStdString(png.string())}));
    choose->click();
    EXPECT_EQ(csv->iconSource(), IconSource::custom(png));
    EXPECT_FALSE(csv->iconError().has_value());
    ASSERT_TRUE(csv->icon().has_value());
    EXPECT_EQ(csv->icon()->width(), 24);
    EXPECT_EQ(csv->icon()->height(), 18);
    EXPECT_EQ(csv->icon()->pixelsBGR()[0], 255) << "half-transparent blue on white";
    EXPECT_EQ(csv->icon()->pixelsBGR()[1], 127);
}

TEST_F(FileDetailViewTest, SearchFiltersTheTableAndTheMap) {
    addFile("stops.csv", csvRows(12));
    POITable* table = view()->table();
    QAbstractItemModel* rows = table->model();
    ASSERT_EQ(rows->rowCount(), 12);
    EXPECT_EQ(rows->index(1, POITableModel::latitude).data().toString(), "41.50000");
    EXPECT_EQ(rows->index(1, POITableModel::longitude).data().toString(), "8.25000");
    EXPECT_EQ(rows->index(1, POITableModel::comment).data().toString(), "c1");
    window->searchField()->setText("p1");
    EXPECT_EQ(rows->rowCount(), 3) << "P1, P10, P11";
    EXPECT_EQ(view()->map()->shownIDs(), (std::vector<std::int64_t>{1, 10, 11}));
    EXPECT_FALSE(view()->map()->caption()->isVisible());
}

TEST_F(FileDetailViewTest, TheSearchSaysHowManyMatchAndEscapeClearsIt) {
    addFile("stops.csv", csvRows(5000));
    POIMap* map = view()->map();
    QLineEdit* field = window->searchField();
    QLabel* count = window->findChild<SearchField*>()->count();
    struct Case {
        const char* search;
        std::size_t markers;
        const char* count; // empty: none shown
        bool caption;
    } cases[] = {
        {"p1", 1111, "1,111 of 5,000", false}, // P1, P10–P19, P100–P199, P1000–P1999
        {"P4999", 1, "1 of 5,000", false},     {"zzz", 0, "0 of 5,000", false},
        {"c", 2000, "5,000 of 5,000", true},   {"  ", 2000, "", true},
    };
    for (const auto& c : cases) {
        field->setText(c.search);
        EXPECT_EQ(map->shownIDs().size(), c.markers) << c.search;
        EXPECT_EQ(map->caption()->isVisibleTo(view()), c.caption) << c.search;
        EXPECT_EQ(count->isVisibleTo(window.get()), *c.count != 0) << c.search;
        if (*c.count) {
            EXPECT_EQ(count->text(), c.count) << c.search;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !map->mapView()->isAnimating(); }, 5000));
        for (std::int64_t id : map->shownIDs())
            EXPECT_TRUE(
                map->mapView()->rect().contains(map->mapView()->pointPosition(id)->toPoint()))
                << c.search << ": the map shows all that match";
    }
    EXPECT_EQ(map->caption()->text(), "Showing 2,000 of 5,000 POIs on the map.");

    field->setText("P4999");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(view()->table()->model()->rowCount(), 5000);
    EXPECT_EQ(map->shownIDs().size(), 2000u);
    EXPECT_FALSE(count->isVisibleTo(window.get()));

    field->setText("p1");
    library->setSelection(std::nullopt);
    // The toolbar hides its widgets when it lays itself out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !field->isVisibleTo(window.get()); }, 1000))
        << "nothing to search without a file";
    EXPECT_FALSE(count->isVisibleTo(window.get()));
    library->setSelection(library->files().front()->id());
    EXPECT_EQ(field->text(), "") << "each file starts unsearched";
    EXPECT_FALSE(count->isVisibleTo(window.get()));
}

TEST_F(FileDetailViewTest, TheScaleBarFollowsTheRegion) {
    struct Case {
        QLocale locale;
        bool imperial;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), true},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), false},
        {QLocale(QLocale::German, QLocale::Germany), false},
        {QLocale(QLocale::Spanish, QLocale::UnitedStates), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mapUsesImperialUnits(c.locale), c.imperial) << c.locale.name().toStdString();
    // The system's own locale by the name the environment gives it, as new files' units are.
    const bool wasSet = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray saved = qgetenv("LC_ALL");
    for (const auto& [name, imperial] :
         {std::pair{"en_US.UTF-8", true}, {"de_DE.UTF-8", false}, {"en", false}, {"C", false}}) {
        qputenv("LC_ALL", name);
        EXPECT_EQ(mapUsesImperialUnits(QLocale::system()), imperial) << name;
    }
    if (wasSet)
        qputenv("LC_ALL", saved);
    else
        qunsetenv("LC_ALL");
    addFile("stops.csv", csvRows(2));
    EXPECT_TRUE(view()->map()->mapView()->imperialUnits()) << "the window's locale is en_US";
}

TEST_F(FileDetailViewTest, TableAndMapShareTheSelectionWithoutEchoes) {
    addFile("stops.csv", csvRows(5000));
    POIMap* map = view()->map();
    ASSERT_EQ(map->mapView()->points().size(), 2000u);
    EXPECT_TRUE(map->caption()->isVisibleTo(view()));
    EXPECT_EQ(map->caption()->text(), "Showing 2,000 of 5,000 POIs on the map.");

    POITable* table = view()->table();
    table->selectRow(4999);
    EXPECT_EQ(view()->selectedRow(), 4999);
    EXPECT_EQ(map->shownIDs().back(), 4999) << "the selected row replaces the last sample";
    EXPECT_EQ(map->mapView()->selectedPoint(), 4999);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !map->mapView()->isAnimating(); }, 5000));
    EXPECT_NEAR(map->mapView()->centre().latitude, 49.5, 0.01);
    EXPECT_NEAR(map->mapView()->centre().longitude, 8.25, 0.01);

    // A marker picked now gives the last sample back its own row; the map keeps the user's zoom.
    double zoom = map->mapView()->zoom();
    std::int64_t picked = map->shownIDs()[3];
    Q_EMIT map->mapView()->pointSelected(picked);
    EXPECT_EQ(view()->selectedRow(), picked);
    EXPECT_EQ(map->shownIDs().back(), 4997);
    EXPECT_EQ(map->mapView()->zoom(), zoom);
}

TEST_F(FileDetailViewTest, AClickedMarkerSelectsItsRowAndTheMapStaysPut) {
    addFile("three.csv", "Name,Latitude,Longitude\nA,47,8\nB,47,8.02\nC,47,8.04\n");
    POIMap* map = view()->map();
    map::MapView* mapView = map->mapView();
    view()->table()->selectRow(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mapView->isAnimating(); }, 5000));
    map::Coordinate before = mapView->centre();
    double zoom = mapView->zoom();
    std::optional<QPointF> b = mapView->pointPosition(1);
    ASSERT_TRUE(b && mapView->rect().contains(b->toPoint())) << "B is in view, 1.5 km east of A";

    QTest::mouseClick(mapView, Qt::LeftButton, {}, b->toPoint() - QPoint(0, 8));
    EXPECT_EQ(view()->selectedRow(), 1);
    EXPECT_EQ(mapView->selectedPoint(), 1);
    EXPECT_EQ(view()->table()->currentIndex().row(), 1);
    EXPECT_FALSE(mapView->isAnimating());
    EXPECT_EQ(mapView->centre(), before);
    EXPECT_EQ(mapView->zoom(), zoom);
}

TEST_F(FileDetailViewTest, ClickedHeadersSortTheTableAndTheSearchAndSelectionFollow) {
    addFile("stops.csv", "Name,Latitude,Longitude\nP2,-12.5,8\nCafe @50,-40,8\nP10,47,8\np1,3,8\n");
    POITable* table = view()->table();
    QHeaderView* header = table->horizontalHeader();
    QAbstractItemModel* rows = table->model();
    auto click = [&](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        await(table->rows()->whenSorted());
    };
    auto names = [&] {
        QStringList shown;
        for (int row = 0; row < rows->rowCount(); ++row)
            shown << rows->index(row, POITableModel::name).data().toString();
        return shown;
    };
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), -1) << "the file's order to begin with";
    EXPECT_EQ(names(), QStringList({"P2", "Cafe", "P10", "p1"}));
    struct Case {
        int column;
        int indicator;
        Qt::SortOrder order;
        QStringList names;
    };
    const Case cases[] = {
        {POITableModel::name, POITableModel::name, Qt::AscendingOrder, {"Cafe", "p1", "P2", "P10"}},
        {POITableModel::name,
         POITableModel::name,
         Qt::DescendingOrder,
         {"P10", "P2", "p1", "Cafe"}},
        {POITableModel::name, -1, Qt::AscendingOrder, {"P2", "Cafe", "P10", "p1"}},
        {POITableModel::latitude,
         POITableModel::latitude,
         Qt::AscendingOrder,
         {"Cafe", "P2", "p1", "P10"}},
        {POITableModel::latitude,
         POITableModel::latitude,
         Qt::DescendingOrder,
         {"P10", "p1", "P2", "Cafe"}},
        {POITableModel::alert,
         POITableModel::alert,
         Qt::AscendingOrder,
         {"P2", "P10", "p1", "Cafe"}},
        {POITableModel::name, POITableModel::name, Qt::AscendingOrder, {"Cafe", "p1", "P2", "P10"}},
    };
    for (const Case& c : cases) {
        click(c.column);
        EXPECT_EQ(header->sortIndicatorSection(), c.indicator) << c.column;
        if (c.indicator >= 0) {
            EXPECT_EQ(header->sortIndicatorOrder(), c.order) << c.column;
        }
        EXPECT_EQ(names(), c.names) << c.column;
    }

    // The table's selection reaches the map by the row's id, and the map's comes back to the row
    // where it is now.
    table->selectRow(3);
    EXPECT_EQ(view()->selectedRow(), 2) << "P10, the third row of the file";
    EXPECT_EQ(view()->map()->mapView()->selectedPoint(), 2);
    Q_EMIT view()->map()->mapView()->pointSelected(3);
    EXPECT_EQ(view()->selectedRow(), 3);
    EXPECT_EQ(table->currentIndex().row(), 1) << "p1";

    // The search keeps the order, and the selected row stays selected where it still matches.
    window->searchField()->setText("p");
    EXPECT_EQ(names(), QStringList({"p1", "P2", "P10"}));
    EXPECT_EQ(table->currentIndex().row(), 0);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(0));
    click(POITableModel::name);
    EXPECT_EQ(names(), QStringList({"P10", "P2", "p1"}));
    EXPECT_EQ(table->currentIndex().row(), 2) << "the selection moves with its row";
    EXPECT_EQ(view()->selectedRow(), 3);
    window->searchField()->setText("");
    EXPECT_EQ(names(), QStringList({"P10", "P2", "p1", "Cafe"}));

    // Several selected rows stay selected through a sort, and the map keeps the current one.
    table->selectionModel()->select(QItemSelection(rows->index(1, 0), rows->index(2, 0)),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(view()->selectedRow(), 3) << "p1, still the current row";
    click(POITableModel::latitude);
    QStringList selected;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        selected << index.data().toString();
    selected.sort();
    EXPECT_EQ(selected, QStringList({"P2", "p1"}));
    EXPECT_EQ(view()->selectedRow(), 3);
}

TEST_F(FileDetailViewTest, CtrlASelectsAllAndCtrlCCopiesTheSelectedRowsAsCSV) {
    addFile("stops.csv", "Name,Latitude,Longitude,Comment\nP2,-12.5,8,\"at the gate, left\"\n"
                         "Cafe @50,-40,8.125,\nP10,47,8,\"say \"\"hi\"\"\"\n");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    POITable* table = view()->table();
    table->setFocus();
    EXPECT_FALSE(table->copyAction()->isEnabled()) << "nothing selected";
    auto pressed = [&](Qt::Key key) { QTest::keyClick(table, key, Qt::ControlModifier); };
    auto copied = [&](const QString& text) {
        QGuiApplication::clipboard()->clear();
        pressed(Qt::Key_C);
        return QTest::qWaitFor([&] { return QGuiApplication::clipboard()->text() == text; });
    };

    pressed(Qt::Key_A);
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 3);
    EXPECT_TRUE(table->copyAction()->isEnabled());
    EXPECT_TRUE(copied("Name,Comment,Latitude,Longitude,Alert\n"
                       "P2,\"at the gate, left\",-12.5,8,\n"
                       "Cafe,,-40,8.125,50 mph\n"
                       "P10,\"say \"\"hi\"\"\",47,8,\n"))
        << QGuiApplication::clipboard()->text().toStdString();

    // The selected rows in the table's order, whatever order they were picked in.
    table->sortByColumn(POITableModel::name, Qt::DescendingOrder);
    await(table->rows()->whenSorted());
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 3) << "all stay selected";
    QItemSelectionModel* selection = table->selectionModel();
    selection->select(table->model()->index(2, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->select(table->model()->index(0, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(copied("Name,Comment,Latitude,Longitude,Alert\n"
                       "P10,\"say \"\"hi\"\"\",47,8,\n"
                       "Cafe,,-40,8.125,50 mph\n"))
        << QGuiApplication::clipboard()->text().toStdString();
    EXPECT_TRUE(table->actions().contains(table->copyAction()));
    EXPECT_TRUE(table->actions().contains(table->selectAllAction()));
    EXPECT_EQ(table->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(FileDetailViewTest, TheAlertColumnFitsASpeedAndADistance) {
    InputFile* file = addFile("stops.csv", "Name,Latitude,Longitude\nCafe @50,47,8\n");
    file->setSpeedUnit(SpeedUnit::kilometersPerHour);
    await(file->reloadTask());
    file->setDistanceUnit(DistanceUnit::meters);
    file->setProximityMode(ProximityMode::fixed);
    file->setFixedProximity(300);
    POITable* table = view()->table();
    QModelIndex alert = table->model()->index(0, POITableModel::alert);
    ASSERT_EQ(alert.data().toString(), "50 km/h, 300 m");
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.font = table->font();
    EXPECT_LE(table->itemDelegate()->sizeHint(option, alert).width(),
              table->columnWidth(POITableModel::alert));
    // The coordinates' columns hold their widest values too.
    QStyleOptionViewItem digits = option;
    digits.font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int column : {POITableModel::latitude, POITableModel::longitude})
        EXPECT_LE(QFontMetrics(digits.font).horizontalAdvance("-180.00000"),
                  table->columnWidth(column));
}
