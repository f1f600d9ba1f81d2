#include "core/import/XMLSplit.h"

#include "core/import/XMLEventParser.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace marklode {

namespace {

// The root's start tag is looked for this far in; a longer prologue is read in one go.
constexpr std::size_t prologueLimit = 64 << 10;

// Apart by two cache lines, as some processors fetch them in pairs.
constexpr std::size_t apart = 128;

// A two-byte encoding has no byte sequence of its own for a start tag to be found by.
bool isTwoByteEncoded(std::string_view document) {
    if (document.size() < 2)
        return false;
    auto first = static_cast<unsigned char>(document[0]);
    auto second = static_cast<unsigned char>(document[1]);
    return first == 0 || second == 0 || (first == 0xFE && second == 0xFF) ||
           (first == 0xFF && second == 0xFE);
}

// Lines as the parser counts them: a carriage return and line feed together end one.
std::int64_t lineAtEnd(std::string_view text) {
    std::int64_t line = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

class RootFinder final : public XMLEventHandler {
  public:
    XMLEventParser* parser = nullptr;
    std::optional<XMLEventParser::ByteRange> root;

    void startElement(std::string_view, const char* const*, std::int64_t) override {
        root = parser->eventBytes();
        parser->stop();
    }
    void endElement(std::string_view) override {}
    void characters(std::string_view) override {}
};

// Parsed as the parts will be, so with the same encodings; errors are left to the parse in one
// go, which words them.
std::optional<std::string_view> rootStartTag(std::string_view document) {
    RootFinder finder;
    try {
        XMLEventParser parser(finder, ImportError::Document::gpx);
        finder.parser = &parser;
        parser.parse(document.substr(0, prologueLimit), false);
    } catch (const ImportError&) {
        return std::nullopt;
    }
    if (!finder.root || finder.root->size == 0 ||
        finder.root->offset + finder.root->size > document.size())
        return std::nullopt;
    return document.substr(finder.root->offset, finder.root->size);
}

bool isNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

} // namespace

std::optional<XMLSplit> XMLSplit::find(std::string_view document, std::string_view elementName) {
    if (isTwoByteEncoded(document))
        return std::nullopt;
    std::optional<std::string_view> root = rootStartTag(document);
    if (!root || !root->ends_with(">") || root->ends_with("/>"))
        return std::nullopt;
    XMLSplit split;
    split.prologue =
        document.substr(0, static_cast<std::size_t>(root->data() - document.data()) + root->size());
    if (split.prologue.find("<!ENTITY") != std::string_view::npos)
        return std::nullopt;
    split.prologueEndLine = lineAtEnd(split.prologue);
    std::string_view rootName = root->substr(
        1, static_cast<std::size_t>(std::find_if(root->begin() + 1, root->end(), isNameEnd) -
                                    root->begin() - 1));
    split.rootEndTag = "</" + std::string(rootName) + ">";

    const std::string startTag = "<" + std::string(elementName);
    std::size_t from = std::max(split.prologue.size(), document.size() / 2);
    for (;;) {
        std::size_t at = document.find(startTag, from);
        if (at == std::string_view::npos || at + startTag.size() >= document.size())
            return std::nullopt;
        if (isNameEnd(document[at + startTag.size()])) {
            split.at = at;
            return split;
        }
        from = at + 1;
    }
}

std::optional<std::int64_t> parseSplit(std::string_view document, const XMLSplit& split,
                                       XMLEventHandler& earlier, XMLEventHandler& later,
                                       ImportError::Document kind) {
    struct alignas(apart) Outcome {
        bool broken = false;
        std::exception_ptr failure;
        std::int64_t line = 0;
    };
    auto run = [kind](Outcome& outcome, XMLEventHandler& handler, std::string_view head,
                      std::string_view tail) {
        try {
            XMLEventParser parser(handler, kind);
            parser.parse(head, false);
            parser.parse(tail, true);
            outcome.line = parser.line();
        } catch (const ImportError&) {
            outcome.broken = true;
        } catch (...) {
            outcome.failure = std::current_exception();
        }
    };
    Outcome first;
    Outcome second;
    std::thread worker;
    try {
        worker =
            std::thread([&] { run(second, later, split.prologue, document.substr(split.at)); });
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    // The earlier part ends with the root's end tag: it parses only if the split lies between
    // the root's children, outside any comment, CDATA section or other markup.
    run(first, earlier, document.substr(0, split.at), split.rootEndTag);
    worker.join();
    // In document order, as a parse in one go would meet them.
    if (first.broken)
        return std::nullopt;
    if (first.failure)
        std::rethrow_exception(first.failure);
    if (second.broken)
        return std::nullopt;
    if (second.failure)
        std::rethrow_exception(second.failure);
    // The earlier part's last event, its end tag, sits where the later part starts.
    return first.line - split.prologueEndLine;
}

} // namespace marklode
