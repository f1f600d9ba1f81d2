// Renders the map offline with sample points (a dense cluster, singles, one selected with its
// callout) to PNGs, to look at how it draws. Usage: marklode-map-screenshot OUT-PREFIX

#include "ui/map/BasemapTiles.h"
#include "ui/map/MapView.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <cmath>
#include <cstdio>

using namespace marklode::map;

// The view once the outline tiles it shows have been rendered.
static QPixmap settledGrab(MapView& view) {
    view.grab();
    while (BasemapTiles::shared().isRendering())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return view.grab();
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT-PREFIX\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString prefix = QString::fromLocal8Bit(argv[1]);

    std::vector<MapPoint> points;
    std::int64_t id = 0;
    // A ring of cafés around a square, and a few towns further out.
    for (int i = 0; i < 40; ++i) {
        const double angle = i * 0.157;
        points.push_back(
            {id++,
             {48.137 + 0.004 * std::sin(angle) * (1 + i % 3), 11.575 + 0.006 * std::cos(angle)},
             QStringLiteral("Café %1").arg(i + 1),
             QStringLiteral("Speed camera @50")});
    }
    const Coordinate towns[] = {
        {48.40, 11.75}, {47.86, 12.12}, {48.37, 10.90}, {47.80, 11.14}, {48.76, 11.42}};
    for (const auto& town : towns)
        points.push_back({id++, town, QStringLiteral("Town %1").arg(id), QString()});
    points.push_back({id++,
                      {48.30, 11.60},
                      QStringLiteral("Rest area Fürholzen West"),
                      QStringLiteral("A9 northbound, parking and fuel")});

    MapView view({QString(), QStringLiteral("Marklode/screenshot"), QString()});
    view.resize(900, 600);
    view.setPoints(points);
    view.show();
    view.showAllPoints(false);
    view.selectPoint(id - 1, false);
    settledGrab(view).save(prefix + QStringLiteral("-region.png"));

    view.setRegion({20, 10}, 12'000'000, 16'000'000, false);
    settledGrab(view).save(prefix + QStringLiteral("-world.png"));

    view.setRegion({48.137, 11.575}, 2000, 2000, false);
    settledGrab(view).save(prefix + QStringLiteral("-streets.png"));
    return 0;
}
