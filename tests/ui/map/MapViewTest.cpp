#include "ui/map/MapView.h"

#include "ui/map/Basemap.h"
#include "ui/map/BasemapTiles.h"
#include "ui/map/MapControls.h"
#include "ui/map/TileServer.h"
#include "ui/map/WebMercator.h"

#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace marklode::map;
using marklode::test::TileServer;

namespace {

TileSource offline() {
    return {QString(), QStringLiteral("Marklode/test"), QString()};
}

bool near(QColor a, QColor b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Where a coordinate lands in the widget's pixels, independent of the view's own conversions.
QPoint pixelOf(const MapView& view, Coordinate coordinate) {
    const WorldPoint centre = project(view.centre()), point = project(coordinate);
    const double scale = 256 * std::exp2(view.zoom());
    return QPointF(view.width() / 2.0 + (point.x - centre.x) * scale,
                   view.height() / 2.0 + (point.y - centre.y) * scale)
        .toPoint();
}

// The view once the outline tiles it shows have been rendered.
QImage settledGrab(MapView& view) {
    view.grab();
    EXPECT_TRUE(QTest::qWaitFor([] { return !BasemapTiles::shared().isRendering(); }, 10000));
    return view.grab().toImage();
}

struct Sample {
    const char* place;
    Coordinate coordinate;
    bool land;
};

// Pixels of a world view and of street-level views, which the outlines have to reach clipped.
void expectBasemap(MapView& view, const char* source) {
    const Sample worldView[] = {
        {"central Africa", {5, 20}, true},
        {"mid-Atlantic", {30, -40}, false},
        {"Siberia", {62, 100}, true},
        {"Chukotka, east of the antimeridian", {66.5, -173}, true},
        {"Pacific, west of the antimeridian", {0, 175}, false},
        {"Antarctica", {-80, 0}, true},
    };
    view.setRegion({0, 0}, 40'000'000, 40'000'000, false);
    const QImage world = settledGrab(view);
    for (const auto& sample : worldView) {
        const QColor colour = world.pixelColor(pixelOf(view, sample.coordinate));
        EXPECT_TRUE(near(colour, sample.land ? Basemap::landColour() : Basemap::seaColour()))
            << source << ": " << sample.place << " is " << colour.name().toStdString();
    }
    const Sample streets[] = {{"Congo basin", {0, 20}, true}, {"Gulf of Guinea", {0, 0}, false}};
    for (const auto& sample : streets) {
        view.setRegion(sample.coordinate, 2000, 2000, false);
        const QImage image = settledGrab(view);
        for (const QPoint corner : {QPoint(2, 2), QPoint(view.width() - 3, view.height() / 2)})
            EXPECT_TRUE(near(image.pixelColor(corner),
                             sample.land ? Basemap::landColour() : Basemap::seaColour()))
                << source << ": " << sample.place;
    }
}

TEST(MapView, DrawsTheOutlinesWithoutTiles) {
    TileServer missing;
    missing.respond = [](const QByteArray&) { return 404; };
    struct Case {
        const char* name;
        QString url;
    } cases[] = {
        {"offline", QString()},
        {"connection refused", QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.png")},
        {"404", missing.urlTemplate()},
    };
    for (const auto& c : cases) {
        MapView view({c.url, QStringLiteral("Marklode/test"), QString()});
        view.resize(512, 512);
        view.show();
        EXPECT_EQ(view.findChild<QLabel*>()->isVisible(), !c.url.isEmpty())
            << c.name << ": attribution";
        QTest::qWait(200); // lets requests fail
        expectBasemap(view, c.name);
    }
}

TEST(MapView, DrawsFetchedTilesOverTheOutlines) {
    TileServer server;
    MapView view({server.urlTemplate(), QStringLiteral("Marklode/test"), QString()});
    view.resize(300, 200);
    view.setRegion({5, 20}, 2000, 2000, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view.grab().toImage().pixel(150, 100) == TileServer::tileColour; }, 5000));
    QTest::qWait(200);
    // The visible tiles only: no prefetching around or below them.
    MapCamera camera;
    camera.centre = project(view.centre());
    camera.zoom = view.zoom();
    camera.viewport = view.size();
    QSet<QByteArray> visible;
    for (const auto& cell :
         visibleTiles(camera, tileZoomFor(camera.zoom, view.devicePixelRatioF())))
        visible.insert("/" + QByteArray::number(cell.key.z) + "/" + QByteArray::number(cell.key.x) +
                       "/" + QByteArray::number(cell.key.y) + ".png");
    EXPECT_EQ(server.requests.size(), std::size_t(visible.size()));
    const auto* attribution = view.findChild<QLabel*>();
    ASSERT_TRUE(attribution);
    EXPECT_TRUE(attribution->isVisible());
    EXPECT_TRUE(
        attribution->text().contains(QStringLiteral("https://www.openstreetmap.org/copyright")));
    EXPECT_TRUE(attribution->text().contains(QStringLiteral("© OpenStreetMap contributors")));
    for (const auto& request : server.requests)
        EXPECT_TRUE(visible.contains(request.path)) << request.path.toStdString();
}

TEST(MapView, EnlargesALoadedTileWhileItsChildrenLoad) {
    TileServer server;
    MapView view({server.urlTemplate(), QStringLiteral("Marklode/test"), QString()});
    view.resize(300, 200);
    view.setRegion({5, 20}, 400'000, 400'000, false);
    view.show();
    const auto centreColour = [&] { return view.grab().toImage().pixel(150, 100); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return centreColour() == TileServer::tileColour; }, 5000));

    server.respond = [](const QByteArray&) { return 0; }; // the next zoom levels never arrive
    struct Case {
        double metres;
        bool enlarged;
    } cases[] = {{100'000, true}, {1000, false}}; // two levels down, and far below any ancestor
    for (const auto& c : cases) {
        view.setRegion({5, 20}, c.metres, c.metres, false);
        EXPECT_EQ(centreColour() == TileServer::tileColour, c.enlarged) << c.metres;
    }
}

void sendMouse(MapView& view, QEvent::Type type, QPoint at, Qt::MouseButtons held);

class MapViewMarkers : public ::testing::Test {
  protected:
    MapViewMarkers() : view(offline()) {
        view.resize(600, 400);
        view.show();
        view.setPoints({
            {1, {48.85, 2.35}, QStringLiteral("Paris"), QStringLiteral("France")},
            {2, {40.71, -74.0}, QStringLiteral("New York"), QString()},
            {3, {35.68, 139.69}, QStringLiteral("Tokyo"), QString()},
            {4, {35.6801, 139.6901}, QStringLiteral("Tokyo 2"), QString()}, // about 14 m away
        });
        view.showAllPoints(false);
    }

    void clickAt(QPointF anchor) {
        // Inside the balloon, above the tip.
        QTest::mouseClick(&view, Qt::LeftButton, {}, (anchor - QPointF(0, 20)).toPoint());
    }

    MapView view;
};

TEST_F(MapViewMarkers, ClickOnAPointSelectsItAndOnTheMapDeselects) {
    EXPECT_EQ(view.accessibleName(), QStringLiteral("Map"));
    QSignalSpy selected(&view, &MapView::pointSelected);
    QSignalSpy deselected(&view, &MapView::pointDeselected);
    const double zoomBefore = view.zoom();
    clickAt(*view.pointPosition(1));
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0][0].toLongLong(), 1);
    EXPECT_EQ(view.selectedPoint(), 1);
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("Paris"));
    EXPECT_EQ(view.zoom(), zoomBefore); // selecting doesn't move the map
    EXPECT_TRUE(
        near(view.grab().toImage().pixelColor((*view.pointPosition(1) - QPointF(0, 40)).toPoint()),
             QColor(0xff, 0x3b, 0x30), 40));

    clickAt(*view.pointPosition(2));
    EXPECT_EQ(view.selectedPoint(), 2);
    ASSERT_EQ(deselected.size(), 1);
    EXPECT_EQ(deselected[0][0].toLongLong(), 1);

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(view.selectedPoint(), std::nullopt);
    EXPECT_EQ(deselected.size(), 2);
    EXPECT_TRUE(view.accessibleDescription().isEmpty());
}

TEST_F(MapViewMarkers, ClickOnAClusterZoomsInUntilItSplits) {
    // 35 pixels apart at zoom 3: one cluster up to there. In a small view, showing just the two
    // fits below zoom 3, where they still merge: the click has to go on to where they split.
    const double apart = mercator::latitudeOf(0.5 + 35.0 / 2048);
    struct Case {
        const char* name;
        QSize size;
        std::vector<MapPoint> points;
        std::vector<std::int64_t> shown;
    } cases[] = {
        {"two points 14 m apart",
         {600, 400},
         {{1, {48.85, 2.35}, QStringLiteral("Paris"), QString()},
          {3, {35.68, 139.69}, QStringLiteral("Tokyo"), QString()},
          {4, {35.6801, 139.6901}, QStringLiteral("Tokyo 2"), QString()}},
         {1, 3, 4}},
        {"small view",
         {160, 120},
         {{1, {-40, -60}, QStringLiteral("Elsewhere"), QString()},
          {3, {0, 0}, QStringLiteral("South"), QString()},
          {4, {apart, 0}, QStringLiteral("North"), QString()}},
         {3, 4}},
    };
    for (const auto& c : cases) {
        view.resize(c.size);
        view.setPoints(c.points);
        view.showPoints(c.shown, false);
        view.selectPoint(1, false);
        const auto clusterAt = [&] {
            for (const auto& marker : view.visibleMarkers())
                if (marker.node.count == 2)
                    return std::optional(marker.anchor);
            return std::optional<QPointF>();
        };
        const auto cluster = clusterAt();
        ASSERT_TRUE(cluster) << c.name << ": the two start as one cluster";
        QSignalSpy selected(&view, &MapView::pointSelected);
        QSignalSpy regionChanged(&view, &MapView::regionChanged);
        const double zoomBefore = view.zoom();
        clickAt(*cluster);
        EXPECT_TRUE(view.isAnimating()) << c.name;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isAnimating(); }, 3000)) << c.name;
        EXPECT_EQ(regionChanged.size(), 1) << c.name << ": once, when it settled";
        EXPECT_GT(view.zoom(), zoomBefore) << c.name;
        EXPECT_FALSE(clusterAt()) << c.name << " at zoom " << view.zoom();
        EXPECT_TRUE(selected.isEmpty()) << c.name;
        EXPECT_EQ(view.selectedPoint(), std::nullopt) << c.name;
        for (const std::int64_t id : {3, 4})
            EXPECT_TRUE(view.rect().contains(view.pointPosition(id)->toPoint()))
                << c.name << " " << id;
    }
}

TEST_F(MapViewMarkers, ShowsASinglePointAtStreetLevel) {
    view.showPoints({2}, false);
    EXPECT_DOUBLE_EQ(view.zoom(), 17); // not infinitely close
    EXPECT_NEAR(view.centre().latitude, 40.71, 1e-6);
    view.showPoints({99}, false); // unknown: stays
    EXPECT_DOUBLE_EQ(view.zoom(), 17);
}

TEST_F(MapViewMarkers, FitsPointsAcrossTheAntimeridian) {
    view.setPoints({{1, {-17.7, 178.0}, QStringLiteral("Suva"), QString()},
                    {2, {-13.8, -172.0}, QStringLiteral("Apia"), QString()}});
    view.showAllPoints(false);
    EXPECT_GT(view.zoom(), 3); // not the whole world
    for (const std::int64_t id : {1, 2})
        EXPECT_TRUE(
            view.rect().adjusted(20, 20, -20, -20).contains(view.pointPosition(id)->toPoint()))
            << id;
}

TEST_F(MapViewMarkers, FramedPointsStayFramedThroughResizesUntilTheUserMovesTheMap) {
    view.setPoints({{1, {47.0, 8.0}, QStringLiteral("West"), QString()},
                    {2, {47.0, 9.0}, QStringLiteral("East"), QString()}});
    view.resize(100, 100); // framed before the layout gives the view its size
    view.showAllPoints(false);
    view.resize(800, 300);
    for (const std::int64_t id : {1, 2})
        EXPECT_TRUE(
            view.rect().adjusted(20, 20, -20, -20).contains(view.pointPosition(id)->toPoint()))
            << id;
    EXPECT_GT(view.zoom(), 8);

    sendMouse(view, QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, {260, 150}, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, {260, 150}, Qt::NoButton);
    const double zoom = view.zoom();
    view.resize(400, 300);
    EXPECT_EQ(view.zoom(), zoom) << "after a drag the user's view is kept";
}

TEST_F(MapViewMarkers, ReplacingThePointsClearsTheSelection) {
    view.selectPoint(3, false);
    QSignalSpy deselected(&view, &MapView::pointDeselected);
    view.setPoints({{7, {0, 0}, QStringLiteral("Null"), QString()}});
    EXPECT_EQ(view.selectedPoint(), std::nullopt);
    EXPECT_EQ(deselected.size(), 1);
    view.selectPoint(3, false); // no longer on the map
    EXPECT_EQ(view.selectedPoint(), std::nullopt);
}

void sendMouse(MapView& view, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, held, {});
    QApplication::sendEvent(&view, &event);
}

// Each gesture moves the map so that the place under one screen point ends up under another.
TEST_F(MapViewMarkers, HandGesturesMoveAndZoom) {
    const auto wheel = [](MapView& v, QPoint at, int delta) {
        QWheelEvent event(at, v.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &event);
    };
    const auto drag = [](MapView& v) {
        sendMouse(v, QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton);
        sendMouse(v, QEvent::MouseMove, {240, 175}, Qt::LeftButton);
        sendMouse(v, QEvent::MouseMove, {280, 150}, Qt::LeftButton);
        sendMouse(v, QEvent::MouseButtonRelease, {280, 150}, Qt::NoButton);
    };
    const auto nextLevel = [](double z) { return std::floor(z) + 1; };
    const auto previousLevel = [](double z) { return std::ceil(z) - 1; };
    const auto same = [](double z) { return z; };
    const auto plusOne = [](double z) { return z + 1; };
    const auto minusHalf = [](double z) { return z - 0.5; };
    struct Case {
        const char* name;
        std::function<void(MapView&)> gesture;
        double (*zoomAfter)(double);
        QPointF from, to;
    } cases[] = {
        {"+ key",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Plus); },
         nextLevel,
         {300, 200},
         {300, 200}},
        {"- key",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Minus); },
         previousLevel,
         {300, 200},
         {300, 200}},
        {"= key",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Equal); },
         nextLevel,
         {300, 200},
         {300, 200}},
        {"keypad +",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Plus, Qt::KeypadModifier); },
         nextLevel,
         {300, 200},
         {300, 200}},
        {"keypad -",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Minus, Qt::KeypadModifier); },
         previousLevel,
         {300, 200},
         {300, 200}},
        {"Zoom In button",
         [](MapView& v) { QTest::mouseClick(v.controls()->zoomIn(), Qt::LeftButton); },
         nextLevel,
         {300, 200},
         {300, 200}},
        {"Zoom Out button",
         [](MapView& v) { QTest::mouseClick(v.controls()->zoomOut(), Qt::LeftButton); },
         previousLevel,
         {300, 200},
         {300, 200}},
        {"right arrow",
         [](MapView& v) { QTest::keyClick(&v, Qt::Key_Right); },
         same,
         {450, 200},
         {300, 200}},
        {"wheel, two notches",
         [&](MapView& v) {
             wheel(v, {100, 300}, 240);
         },
         plusOne,
         {100, 300},
         {100, 300}},
        {"wheel back",
         [&](MapView& v) {
             wheel(v, {500, 50}, -120);
         },
         minusHalf,
         {500, 50},
         {500, 50}},
        {"double-click",
         [](MapView& v) {
             QTest::mouseDClick(&v, Qt::LeftButton, {}, {450, 120});
         },
         nextLevel,
         {450, 120},
         {450, 120}},
        {"drag", drag, same, {200, 200}, {280, 150}},
    };
    view.setFocus();
    for (const auto& c : cases) {
        view.setRegion({48.85, 2.35}, 20000, 20000, false); // Paris, about zoom 11.5
        const double zoom = view.zoom();
        const WorldPoint centre = project(view.centre());
        const double scale = 256 * std::exp2(zoom);
        const WorldPoint place{centre.x + (c.from.x() - 300) / scale,
                               centre.y + (c.from.y() - 200) / scale};
        QSignalSpy regionChanged(&view, &MapView::regionChanged);
        c.gesture(view);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isAnimating(); }, 3000)) << c.name;
        EXPECT_NEAR(view.zoom(), c.zoomAfter(zoom), 1e-9) << c.name;
        const WorldPoint after = project(view.centre());
        const double afterScale = 256 * std::exp2(view.zoom());
        EXPECT_NEAR(300 + (place.x - after.x) * afterScale, c.to.x(), 0.5) << c.name;
        EXPECT_NEAR(200 + (place.y - after.y) * afterScale, c.to.y(), 0.5) << c.name;
        EXPECT_GE(regionChanged.size(), 1) << c.name;
        EXPECT_EQ(view.selectedPoint(), std::nullopt) << c.name;
    }
}

TEST_F(MapViewMarkers, ShowAllBringsEveryPointIntoView) {
    const auto pressed = [](Qt::KeyboardModifiers modifiers) {
        return [modifiers](MapView& v) { QTest::keyClick(&v, Qt::Key_0, modifiers); };
    };
    struct Case {
        const char* name;
        std::function<void(MapView&)> gesture;
    } cases[] = {
        {"0 key", pressed(Qt::NoModifier)},
        {"keypad 0", pressed(Qt::KeypadModifier)},
        {"Show All button",
         [](MapView& v) { QTest::mouseClick(v.controls()->showAll(), Qt::LeftButton); }},
    };
    view.setFocus();
    for (const auto& c : cases) {
        view.setRegion({48.85, 2.35}, 20000, 20000, false); // only Paris
        c.gesture(view);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isAnimating(); }, 3000)) << c.name;
        for (const std::int64_t id : {1, 2, 3, 4})
            EXPECT_TRUE(view.rect().contains(view.pointPosition(id)->toPoint()))
                << c.name << " " << id;
    }
    EXPECT_EQ(view.controls()->zoomIn()->accessibleName(), "Zoom In");
    EXPECT_EQ(view.controls()->zoomOut()->accessibleName(), "Zoom Out");
    EXPECT_EQ(view.controls()->showAll()->accessibleName(), "Show All");
    view.setPoints({});
    EXPECT_FALSE(view.controls()->showAll()->isEnabled()) << "nothing to show";
    view.setRegion({48.85, 2.35}, 1, 1, false);
    EXPECT_FALSE(view.controls()->zoomIn()->isEnabled()) << "at the deepest zoom";
    EXPECT_TRUE(view.controls()->zoomOut()->isEnabled());
}

// Drags the map so that the point's marker tip lands on the screen position.
void dragPointTo(MapView& view, std::int64_t id, QPointF target) {
    const QPoint from(view.width() / 2, view.height() / 2);
    const QPoint to = from + (target - *view.pointPosition(id)).toPoint();
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, to, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

TEST_F(MapViewMarkers, TheCalloutStaysInsideTheMapNearEachEdge) {
    struct Case {
        const char* name;
        QPointF tip;
        bool below; // no room above the marker
    } cases[] = {
        {"top", {300, 12}, true},         {"top left", {6, 12}, true},
        {"top right", {594, 12}, true},   {"left", {6, 200}, false},
        {"right", {594, 200}, false},     {"bottom", {300, 399}, false},
        {"bottom left", {6, 399}, false}, {"bottom right", {594, 399}, false},
        {"middle", {300, 200}, false},
    };
    view.setPoints({{1,
                     {48.85, 2.35},
                     QStringLiteral("Cathédrale Notre-Dame de Paris"),
                     QStringLiteral("Île de la Cité, 4th arrondissement")}});
    view.setRegion({48.85, 2.35}, 20000, 20000, false);
    view.selectPoint(1, false);
    for (const auto& c : cases) {
        dragPointTo(view, 1, c.tip);
        ASSERT_NEAR(view.pointPosition(1)->x(), c.tip.x(), 1) << c.name;
        ASSERT_NEAR(view.pointPosition(1)->y(), c.tip.y(), 1) << c.name;
        const std::optional<QRectF> callout = view.calloutRect();
        ASSERT_TRUE(callout) << c.name;
        EXPECT_TRUE(QRectF(view.rect()).contains(*callout)) << c.name;
        EXPECT_EQ(callout->top() > c.tip.y(), c.below) << c.name;
        EXPECT_GE(callout->width(), 100) << c.name << ": not squeezed";
    }
    dragPointTo(view, 1, {300, -200});
    EXPECT_FALSE(view.calloutRect()) << "no callout floating without its marker";
}

TEST(MapView, TheAttributionStaysVisibleAndReadableAtEverySize) {
    MapView view({QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.png"),
                  QStringLiteral("Marklode/test"), QString()});
    QPalette dark = view.palette();
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x9c, 0xcc, 0xff));
    view.setPalette(dark);
    view.show();
    const QLabel* attribution = view.attribution();
    for (const QSize size : {QSize(600, 400), QSize(200, 140), view.minimumSizeHint()}) {
        view.resize(size);
        view.setRegion({48.85, 2.35}, 20000, 20000, false);
        EXPECT_TRUE(attribution->isVisible()) << size.width();
        EXPECT_TRUE(view.rect().contains(attribution->geometry())) << size.width();
        EXPECT_GE(attribution->height(), attribution->heightForWidth(attribution->width()))
            << size.width() << ": every line shown";
        EXPECT_FALSE(view.controlsRect().intersects(attribution->geometry())) << size.width();
        EXPECT_FALSE(view.scaleBarRect().intersects(attribution->geometry())) << size.width();
        EXPECT_TRUE(view.rect().contains(view.scaleBarRect().toRect())) << size.width();
    }
    EXPECT_LT(attribution->palette().color(QPalette::WindowText).lightness(), 80);
    EXPECT_LT(attribution->palette().color(QPalette::Link).lightness(), 120);
}

TEST(MapView, TheScaleBarIsARoundDistanceInTheChosenUnit) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Case {
        double metresPerPixel;
        bool imperial;
        QLocale locale;
        QString label;
        double length;
    } cases[] = {
        {1, false, english, "100 m", 100},
        {7, false, english, "500 m", 500 / 7.0},
        {30, false, english, "2 km", 2000 / 30.0},
        {100'000, false, QLocale(QLocale::German, QLocale::Germany), "10.000 km", 100},
        {1, true, english, "200 ft", 200 * 0.3048},
        {12, true, english, "2,000 ft", 2000 * 0.3048 / 12},
        {30, true, english, "1 mi", 1609.344 / 30},
        {100, true, english, "5 mi", 5 * 1609.344 / 100},
    };
    for (const auto& c : cases) {
        const ScaleBar bar = scaleBarFor(c.metresPerPixel, 100, c.imperial, c.locale);
        EXPECT_EQ(bar.label, c.label) << c.metresPerPixel;
        EXPECT_NEAR(bar.length, c.length, 1e-6) << c.metresPerPixel;
    }

    MapView view(offline());
    view.setLocale(english);
    view.resize(600, 400);
    view.show();
    view.setRegion({48.85, 2.35}, 20000, 20000, false);
    EXPECT_TRUE(view.scaleBar().label.endsWith(" km") || view.scaleBar().label.endsWith(" m"));
    view.setImperialUnits(true);
    EXPECT_TRUE(view.scaleBar().label.endsWith(" mi") || view.scaleBar().label.endsWith(" ft"));
    const double metres = mercator::metersPerPixel(view.centre().latitude, view.zoom());
    EXPECT_EQ(view.scaleBar(), scaleBarFor(metres, 100, true, english)) << "at the map's centre";
    const QRectF box = view.scaleBarRect();
    EXPECT_TRUE(QRectF(view.rect()).contains(box));
    EXPECT_LT(box.left(), 50);
    EXPECT_GT(box.top(), 300) << "in the bottom left corner";
}

} // namespace
