#pragma once

#include <cstdint>
#include <ostream>

namespace marklode::bench {

// Deterministic, realistic-looking input files for the import benchmarks.
void writeCSV(std::ostream& out, std::int64_t rows);
void writeGPX(std::ostream& out, std::int64_t waypoints);

} // namespace marklode::bench
