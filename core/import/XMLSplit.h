#pragma once

#include "core/import/ImportError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marklode {

class XMLEventHandler;

// A place where a document can be cut in two and both parts parsed at once: the later part is
// read after the document's prologue and root start tag, the earlier one ends with the root's end
// tag. Whether the cut really lies between two children of the root shows only when the earlier
// part parses.
struct XMLSplit {
    std::string_view prologue;    // the document up to the end of the root's start tag
    std::int64_t prologueEndLine; // the line that tag ends on
    std::string rootEndTag;       // the end tag of the root as its start tag names it
    std::size_t at;               // where the later part starts, at a start tag

    // A start tag of `elementName` (unprefixed) near the middle of `document`, after the root's
    // start tag. None for documents in a two-byte encoding, documents that declare entities,
    // whose expansion is bounded per parser, and prologues that don't parse or are long.
    static std::optional<XMLSplit> find(std::string_view document, std::string_view elementName);
};

// Parses the parts of `document` at once, the earlier into `earlier` on this thread and the later
// into `later` on another. Returns how many lines come before the later part's first byte beyond
// those its parse counted, or none when either part is broken: only a parse in one go words the
// error as it should. Other exceptions of the handlers come out once both parts are done.
std::optional<std::int64_t> parseSplit(std::string_view document, const XMLSplit& split,
                                       XMLEventHandler& earlier, XMLEventHandler& later,
                                       ImportError::Document kind);

} // namespace marklode
