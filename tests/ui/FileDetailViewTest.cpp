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

#include <QButtonGroup>
#include <QComboBox>
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
    const std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet("LC_ALL") ? std::optional(qgetenv("LC_ALL")) : std::nullopt;
    for (const auto& [name, imperial] :
         {std::pair{"en_US.UTF-8", true}, {"de_DE.UTF-8", false}, {"en", false}, {"C", false}}) {
        qputenv("LC_ALL", name);
        EXPECT_EQ(mapUsesImperialUnits(QLocale::system()), imperial) << name;
    }
    if (saved)
        qputenv("LC_ALL", *saved);
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
