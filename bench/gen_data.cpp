#include "bench/GenData.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4 || (std::string(argv[1]) != "csv" && std::string(argv[1]) != "gpx" &&
                      std::string(argv[1]) != "geojson")) {
        std::cerr << "usage: marklode-gen-data csv|gpx|geojson ROWS OUT\n";
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
    if (std::string(argv[1]) == "csv")
        marklode::bench::writeCSV(out, rows);
    else if (std::string(argv[1]) == "gpx")
        marklode::bench::writeGPX(out, rows);
    else
        marklode::bench::writeGeoJSON(out, rows);
    out.close();
    if (!out) {
        std::cerr << "marklode-gen-data: write failed for " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
