#pragma once

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/import/POI.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marklode::cli {

// User data made safe to print for people: C0 and C1 controls, DEL, the bidirectional controls,
// the line and paragraph separators and bytes that are not UTF-8 become escapes ("\n", "\x1b",
// "\u202e"), so names and paths can neither drive the terminal nor start lines of their own.
// Everything else, backslashes included, is kept. JSON output has its own escaping instead.
std::string printable(std::string_view text);

// The keyed form of a POI as one JSON object.
void writePOI(JsonWriter& json, const POI& poi);

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
