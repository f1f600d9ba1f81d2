#pragma once

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/import/POI.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marklode::cli {

// The keyed form of a POI as one JSON object.
void writePOI(JsonWriter& json, const POI& poi);

// "1 POI", "12 POIs"
std::string countOf(std::size_t count, std::string_view one, std::string_view many);

// One line for people: position, name, comment and alert values.
std::string describePOI(const POI& poi);

// Prints a failure as {"error":MESSAGE} on standard output with --json, else on standard error.
int reportFailure(Streams& io, bool json, const std::string& message);

} // namespace marklode::cli
