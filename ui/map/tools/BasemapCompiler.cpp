// Converts the Natural Earth TopoJSON outlines into the widget's compact basemap (see
// BasemapFormat.h): arcs decoded, latitudes clamped to the Mercator limit, rings made
// continuous across ±180° with a shifted copy for the part beyond, borders from shared arcs.
// Usage: marklode-basemap-compiler OUT land-110m.json land-50m.json countries-50m.json

#include "ui/map/BasemapFormat.h"
#include "ui/map/WebMercator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using marklode::map::basemap_format::Layer;
namespace format = marklode::map::basemap_format;
namespace mercator = marklode::map::mercator;
using json = nlohmann::json;

struct LonLat {
    double lon;
    double lat;
};
using Line = std::vector<LonLat>;

class Topology {
  public:
    explicit Topology(const std::string& path) {
        std::ifstream in(path);
        if (!in)
            throw std::runtime_error("cannot open " + path);
        document_ = json::parse(in);
        const auto& transform = document_.at("transform");
        const double sx = transform.at("scale")[0], sy = transform.at("scale")[1];
        const double tx = transform.at("translate")[0], ty = transform.at("translate")[1];
        for (const auto& arc : document_.at("arcs")) {
            Line line;
            long long x = 0, y = 0; // delta-encoded quantized positions
            for (const auto& position : arc) {
                x += position[0].get<long long>();
                y += position[1].get<long long>();
                line.push_back(
                    {static_cast<double>(x) * sx + tx, static_cast<double>(y) * sy + ty});
            }
            arcs_.push_back(std::move(line));
        }
    }

    const json& object(const std::string& name) const { return document_.at("objects").at(name); }

    // A ring or line from arc indices; ~i is arc i reversed. Joined arcs share their end point.
    Line join(const json& indices) const {
        Line out;
        for (const auto& value : indices) {
            const int index = value.get<int>();
            const Line& arc = arcs_.at(static_cast<std::size_t>(index >= 0 ? index : ~index));
            Line part = arc;
            if (index < 0)
                std::reverse(part.begin(), part.end());
            out.insert(out.end(), part.begin() + (out.empty() ? 0 : 1), part.end());
        }
        return out;
    }

    const Line& arc(std::size_t index) const { return arcs_.at(index); }

  private:
    json document_;
    std::vector<Line> arcs_;
};

// Every ring (outer and holes) of Polygon and MultiPolygon geometries.
template <typename Visit> void forEachRing(const json& geometry, Visit&& visit) {
    const std::string type = geometry.at("type");
    if (type == "Polygon") {
        for (const auto& ring : geometry.at("arcs"))
            visit(ring);
    } else if (type == "MultiPolygon") {
        for (const auto& polygon : geometry.at("arcs"))
            for (const auto& ring : polygon)
                visit(ring);
    } else if (type == "GeometryCollection") {
        for (const auto& child : geometry.at("geometries"))
            forEachRing(child, visit);
    }
}

struct Path {
    std::vector<double> x;
    std::vector<double> y;
};

Path project(const Line& line, double lonShift) {
    Path path;
    for (const auto& point : line) {
        path.x.push_back(mercator::xOf(point.lon + lonShift));
        path.y.push_back(mercator::yOf(point.lat));
    }
    return path;
}

// A ring crossing ±180° becomes continuous (longitudes beyond the range) plus a copy shifted
// by a full turn, so the widget's tiles on either side both hold their part. A ring around a
// pole (it winds a full turn) is closed along the pole.
void addRing(Line ring, std::vector<Path>& out) {
    if (ring.size() < 3)
        return;
    double shift = 0;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        const double original = ring[i].lon;
        const double previous = ring[i - 1].lon;
        const double step = original + shift - previous;
        if (step > 180)
            shift -= 360;
        else if (step < -180)
            shift += 360;
        ring[i].lon = original + shift;
    }
    const double turn = ring.back().lon - ring.front().lon;
    if (std::abs(turn) > 180) {
        double latitudeSum = 0;
        for (const auto& point : ring)
            latitudeSum += point.lat;
        const double pole = latitudeSum < 0 ? -90.0 : 90.0;
        ring.push_back({ring.back().lon, pole});
        ring.push_back({ring.front().lon, pole});
        ring.push_back(ring.front());
    }
    double minLon = ring.front().lon, maxLon = ring.front().lon;
    for (const auto& point : ring) {
        minLon = std::min(minLon, point.lon);
        maxLon = std::max(maxLon, point.lon);
    }
    out.push_back(project(ring, 0));
    if (maxLon > 180)
        out.push_back(project(ring, -360));
    if (minLon < -180)
        out.push_back(project(ring, 360));
}

// Lines are cut rather than unwrapped where they jump across ±180°.
void addLine(const Line& line, std::vector<Path>& out) {
    Line piece;
    for (const auto& point : line) {
        if (!piece.empty() && std::abs(point.lon - piece.back().lon) > 180) {
            if (piece.size() > 1)
                out.push_back(project(piece, 0));
            piece.clear();
        }
        piece.push_back(point);
    }
    if (piece.size() > 1)
        out.push_back(project(piece, 0));
}

std::vector<Path> landRings(const Topology& topology) {
    std::vector<Path> paths;
    forEachRing(topology.object("land"),
                [&](const json& ring) { addRing(topology.join(ring), paths); });
    return paths;
}

// Arcs that two country rings share are borders; the others are coastline, which the land
// fill already shows.
std::vector<Path> borders(const Topology& topology) {
    std::map<std::size_t, int> uses;
    forEachRing(topology.object("countries"), [&](const json& ring) {
        for (const auto& value : ring) {
            const int index = value.get<int>();
            ++uses[static_cast<std::size_t>(index >= 0 ? index : ~index)];
        }
    });
    std::vector<Path> paths;
    for (const auto& [index, count] : uses)
        if (count >= 2)
            addLine(topology.arc(index), paths);
    return paths;
}

class Writer {
  public:
    explicit Writer(const std::string& path) : out_(path, std::ios::binary) {
        if (!out_)
            throw std::runtime_error("cannot write " + path);
        out_.write(format::magic, 4);
        u32(format::version);
    }
    void u8(std::uint8_t value) { out_.put(static_cast<char>(value)); }
    void u32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            out_.put(static_cast<char>((value >> (8 * i)) & 0xff));
    }
    void varint(std::int64_t value) {
        auto zigzag = static_cast<std::uint64_t>((value << 1) ^ (value >> 63));
        while (zigzag >= 0x80) {
            out_.put(static_cast<char>((zigzag & 0x7f) | 0x80));
            zigzag >>= 7;
        }
        out_.put(static_cast<char>(zigzag));
    }
    void layer(Layer layer, const std::vector<Path>& paths) {
        u8(static_cast<std::uint8_t>(layer));
        u32(static_cast<std::uint32_t>(paths.size()));
        for (const auto& path : paths) {
            u32(static_cast<std::uint32_t>(path.x.size()));
            std::int64_t lastX = 0, lastY = 0;
            for (std::size_t i = 0; i < path.x.size(); ++i) {
                const auto x =
                    static_cast<std::int64_t>(std::llround(path.x[i] * format::quantization));
                const auto y =
                    static_cast<std::int64_t>(std::llround(path.y[i] * format::quantization));
                varint(x - lastX);
                varint(y - lastY);
                lastX = x;
                lastY = y;
            }
        }
    }
    bool ok() const { return out_.good(); }

  private:
    std::ofstream out_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: " << argv[0]
                  << " OUT land-110m.json land-50m.json countries-50m.json\n";
        return 2;
    }
    try {
        const Topology coarse(argv[2]), fine(argv[3]), countries(argv[4]);
        Writer writer(argv[1]);
        writer.u32(3);
        writer.layer(Layer::landCoarse, landRings(coarse));
        writer.layer(Layer::landFine, landRings(fine));
        writer.layer(Layer::borders, borders(countries));
        if (!writer.ok())
            throw std::runtime_error("write failed");
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
