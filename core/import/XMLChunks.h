#pragma once

#include <string_view>

struct XML_ParserStruct;

namespace marklode {

// Feeds the whole text to an expat parser, the last piece marked final unless more is to come.
// It goes in pieces because the parser takes int lengths and copies what it is given. Stops after
// the first piece that fails or after which a handler stopped the parser; returns whether every
// piece parsed. Throws std::bad_alloc when the parser has no room for a piece.
bool parseInChunks(XML_ParserStruct* parser, std::string_view text, bool isFinal = true);

} // namespace marklode
