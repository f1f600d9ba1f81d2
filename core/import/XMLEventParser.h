#pragma once

#include "core/import/ImportError.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace marklode {

// What a document's parse reports. Names are local: any namespace is dropped, so that a
// prefixed element counts as its plain self.
class XMLEventHandler {
  public:
    // `attributes` alternate names and values and end with a null name.
    virtual void startElement(std::string_view localName, const char* const* attributes,
                              std::int64_t line) = 0;
    virtual void endElement(std::string_view localName) = 0;
    virtual void characters(std::string_view text) = 0;

  protected:
    ~XMLEventHandler() = default;
};

// A streaming parser for untrusted documents: Windows-1252 is understood besides expat's own
// encodings, external entities are never read, and nesting, entity declarations and entity
// expansion are bounded. Exceptions thrown by the handler come out of parse unchanged.
class XMLEventParser {
  public:
    // Deeper element nesting is refused as invalid XML rather than followed.
    static constexpr std::int64_t maximumDepth = 10'000;
    // Entity declarations beyond this are refused too: expansion recurses once per nested entity.
    static constexpr std::int64_t maximumEntityDeclarations = 1'000;

    XMLEventParser(XMLEventHandler& handler, ImportError::Document document);
    ~XMLEventParser();
    XMLEventParser(const XMLEventParser&) = delete;
    XMLEventParser& operator=(const XMLEventParser&) = delete;

    // Feeds the next piece of the document; the last must be final (and may be empty). Throws
    // ImportError::invalidXML for broken XML, naming `document`.
    void parse(std::string_view piece, bool isFinal);
    // The whole document at once.
    void parseAll(std::string_view document);

    // From a handler: ends the parse without an error; later pieces are ignored.
    void stop();
    // From a handler: where the bytes of the event being reported lie among those fed so far.
    struct ByteRange {
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
    };
    ByteRange eventBytes() const;
    // The line of the last event, or of the error that ended the parse.
    std::int64_t line() const;

    // Nothing but XML white space: an empty document rather than a broken one.
    static bool isBlank(std::string_view bytes);

    // The local part of an element or attribute name as the handler is given it.
    static std::string_view localName(const char* name);

    struct Context;

  private:
    void throwIfFailed(bool parsed);

    std::unique_ptr<Context> context;
};

} // namespace marklode
