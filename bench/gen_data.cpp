#include "bench/GenData.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "csv" && kind != "gpx" && kind != "kml" && kind != "geojson") {
        std::cerr << "usage: marklode-gen-data csv|gpx|kml|geojson ROWS OUT\n";
        return 2;
    }
    char* end = nullptr;
    long long rows = std::strtoll(argv[2], &end, 10);
    if (*end != '\0' || rows < 0) {
        std::cerr << "marklode-gen-data: ROWS must be a whole number\n";
        return 2;
    }
    std::ofstream out(argv[3], std::ios::binary);
    if (!out) {
        std::cerr << "marklode-gen-data: cannot write " << argv[3] << "\n";
        return 1;
    }
    if (kind == "csv")
        marklode::bench::writeCSV(out, rows);
    else if (kind == "gpx")
        marklode::bench::writeGPX(out, rows);
    else if (kind == "kml")
        marklode::bench::writeKML(out, rows);
    else
        marklode::bench::writeGeoJSON(out, rows);
    out.close();
    if (!out) {
        std::cerr << "marklode-gen-data: write failed for " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
