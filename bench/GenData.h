#pragma once

#include <cstdint>
#include <ostream>

namespace marklode::bench {

// Deterministic, realistic-looking input files for the import benchmarks.
void writeCSV(std::ostream& out, std::int64_t rows);
void writeGPX(std::ostream& out, std::int64_t waypoints);
// Placemarks in one folder per kind of place, as a map maker exports them.
void writeKML(std::ostream& out, std::int64_t placemarks);
// The POIs of writeCSV with the same number, one feature a line as GIS tools write them; the
// rows the CSV importer skips are features the GeoJSON importer skips.
void writeGeoJSON(std::ostream& out, std::int64_t features);

} // namespace marklode::bench
