// Frame costs of the map widget, offscreen: 2,000 markers into a 1280×800 image, and whole
// frames along a pan and zoom, against filling the same image as the same-run baseline.

#include "ui/map/Basemap.h"
#include "ui/map/BasemapTiles.h"
#include "ui/map/MapView.h"
#include "ui/map/MarkerPainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

using namespace marklode::map;

namespace {

constexpr int frameWidth = 1280;
constexpr int frameHeight = 800;

QImage frame() {
    return QImage(frameWidth, frameHeight, QImage::Format_ARGB32_Premultiplied);
}

// Spread over central Europe, about as dense as a large POI file shown whole.
std::vector<MapPoint> europePoints(std::size_t count) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> latitude(44, 54), longitude(-2, 18);
    std::vector<MapPoint> points;
    for (std::size_t i = 0; i < count; ++i)
        points.push_back({static_cast<std::int64_t>(i),
                          {latitude(random), longitude(random)},
                          QStringLiteral("POI %1").arg(i),
                          QString()});
    return points;
}

void fillFrame(benchmark::State& state) {
    QImage image = frame();
    for (auto _ : state) {
        image.fill(QColor(0xaa, 0xd3, 0xdf));
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Every marker drawn, none merged: the most a frame's markers can cost.
void paint2000Markers(benchmark::State& state) {
    QImage image = frame();
    MarkerPainter markers;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> x(0, frameWidth), y(40, frameHeight);
    std::vector<QPointF> anchors;
    for (int i = 0; i < 2000; ++i)
        anchors.emplace_back(x(random), y(random));
    const QColor accent(0x30, 0x8c, 0xc6);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const QPointF& anchor : anchors)
            markers.paintMarker(painter, anchor, accent, QString());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The widget's whole frame (outlines, clusters, markers, the selected callout) while the view
// pans and zooms in over the points, one position per iteration, as an animation would.
void animationFrame(benchmark::State& state) {
    MapView view({QString(), QStringLiteral("Marklode/bench"), QString()});
    view.resize(frameWidth, frameHeight);
    view.setPoints(europePoints(2000));
    view.selectPoint(1, false);
    QImage image = frame();
    constexpr int steps = 60;
    const auto place = [&](int step) {
        const double t = double(step % steps) / (steps - 1);
        const double metres = 1'500'000 * std::pow(0.25, t); // two zoom levels over the run
        view.setRegion({49 + 0.5 * t, 8 + 2 * t}, metres, metres, false);
    };
    // Outline tiles render on the thread pool once per process; frames draw them from memory.
    for (int step = 0; step < steps; ++step) {
        place(step);
        QPainter painter(&image);
        view.render(&painter);
        painter.end();
        while (BasemapTiles::shared().isRendering())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    int step = 0;
    for (auto _ : state) {
        place(step);
        QPainter painter(&image);
        view.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        ++step;
    }
}

// A tile of outlines rendered afresh, as when the view first shows a place at a zoom level: a
// 1280×800 view needs about two dozen of them once, and draws them from memory afterwards.
void renderOutlineTile(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const int n = 1 << zoom;
    int i = 0;
    for (auto _ : state) {
        // Walks over Europe's tiles, where the outlines are densest.
        const TileKey key{zoom, (n * 17 / 32 + i % 4) % n, (n * 10 / 32 + (i / 4) % 4) % n};
        QImage tile = Basemap::builtIn().renderTile(key, 1);
        benchmark::DoNotOptimize(tile.constBits());
        ++i;
    }
}

} // namespace

BENCHMARK(renderOutlineTile)->Arg(3)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(fillFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(paint2000Markers)->Unit(benchmark::kMillisecond);
BENCHMARK(animationFrame)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
