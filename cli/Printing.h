#pragma once

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/import/POI.h"
#include "core/text/PrintableText.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marklode::cli {

// The keyed form of a POI as one JSON object, without its category unless `withCategory`.
void writePOI(JsonWriter& json, const POI& poi, bool withCategory = true);

// "1 POI", "12 POIs"
std::string countOf(std::size_t count, std::string_view one, std::string_view many);

// One line for people: position, name, comment and alert values.
std::string describePOI(const POI& poi);

// Prints a failure as {"error":MESSAGE} on standard output with --json, else printable on
// standard error. Failure messages are single sentences, so any control character in one comes
// from the data it names.
int reportFailure(Streams& io, bool json, const std::string& message);

// reportFailure in the words of userMessage for the exception being handled.
int reportCurrentFailure(Streams& io, bool json);
// The same on standard error as "SUBJECT: MESSAGE", for a failure that concerns one file.
void reportCurrentFailureOf(Streams& io, std::string_view subject);

} // namespace marklode::cli
