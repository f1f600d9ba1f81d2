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

// "1 POI", "12 POIs", in the user's language.
std::string poiCountText(std::size_t count);

// "12 POIs in 1 category", in the user's language.
std::string poisInCategoriesText(std::size_t pois, std::size_t categories);

// One line for people: position, name, comment, alert values, address and phone number.
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
