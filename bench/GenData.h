#pragma once

#include <cstdint>
#include <ostream>

namespace marklode::bench {

// Deterministic, realistic-looking input files for the import benchmarks.
void writeCSV(std::ostream& out, std::int64_t rows);
void writeGPX(std::ostream& out, std::int64_t waypoints);
// Placemarks in one folder per kind of place, as a map maker exports them.
void writeKML(std::ostream& out, std::int64_t placemarks);

} // namespace marklode::bench
