#include "core/import/XMLEventParser.h"

#include "core/import/XMLChunks.h"
#include "core/text/TextDecoding.h"

#define XML_DTD // declares the amplification limits
#include <algorithm>
#include <cstring>
#include <exception>
#include <expat.h>
#include <new>
#include <optional>
#include <utility>

namespace marklode {

namespace {

// Namespace URIs can't contain U+0001, so the local name is whatever follows the last one.
constexpr char namespaceSeparator = '\x01';

bool equalsIgnoringASCIICase(const char* text, std::string_view lower) {
    std::string_view view(text);
    return view.size() == lower.size() &&
           std::equal(view.begin(), view.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a) == b;
           });
}

int XMLCALL unknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    if (!equalsIgnoringASCIICase(name, "windows-1252") && !equalsIgnoringASCIICase(name, "cp1252"))
        return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) {
        char32_t scalar = windows1252Scalar(static_cast<unsigned char>(byte));
        info->map[byte] = scalar == 0 && byte != 0 ? -1 : static_cast<int>(scalar);
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

} // namespace

struct XMLEventParser::Context {
    XML_Parser parser = nullptr;
    XMLEventHandler* handler = nullptr;
    ImportError::Document document = ImportError::Document::gpx;
    std::int64_t depth = 0;
    std::int64_t entityDeclarations = 0;
    std::optional<std::pair<std::int64_t, const char*>> refused;
    std::exception_ptr failure;
    bool stopped = false;

    ~Context() {
        if (parser)
            XML_ParserFree(parser);
    }

    std::int64_t line() const {
#ifdef MARKLODE_HAVE_XML_LINE_NUMBER_64 // newer expat deprecates the XML_Size form
        return static_cast<std::int64_t>(XML_GetCurrentLineNumber64(parser));
#else
        return static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser));
#endif
    }

    void refuse(const char* message) {
        refused.emplace(line(), message);
        XML_StopParser(parser, XML_FALSE);
    }

    // Exceptions must not unwind through the parser's C frames.
    template <typename Body> void guarded(Body body) {
        try {
            body();
        } catch (...) {
            failure = std::current_exception();
            XML_StopParser(parser, XML_FALSE);
        }
    }

    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& context = *static_cast<Context*>(data);
        context.guarded([&] {
            if (++context.depth > maximumDepth) {
                context.refuse("elements nested too deeply");
                return;
            }
            context.handler->startElement(localName(name), attributes, context.line());
        });
    }

    static void XMLCALL onEnd(void* data, const XML_Char* name) {
        auto& context = *static_cast<Context*>(data);
        context.guarded([&] {
            --context.depth;
            context.handler->endElement(localName(name));
        });
    }

    static void XMLCALL onCharacters(void* data, const XML_Char* text, int length) {
        auto& context = *static_cast<Context*>(data);
        context.guarded([&] {
            context.handler->characters(std::string_view(text, static_cast<std::size_t>(length)));
        });
    }

    // The parser expands entity references recursively, so a long chain of entities each
    // referring to the previous one exhausts the stack. The chain can't be longer than the
    // number of declarations, and the documents read here have no use for many.
    static void XMLCALL onEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int,
                                            const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*) {
        auto& context = *static_cast<Context*>(data);
        if (++context.entityDeclarations > maximumEntityDeclarations)
            context.refuse("too many entity declarations");
    }
};

XMLEventParser::XMLEventParser(XMLEventHandler& handler, ImportError::Document document)
    : context(std::make_unique<Context>()) {
    context->handler = &handler;
    context->document = document;
    context->parser = XML_ParserCreateNS(nullptr, namespaceSeparator);
    if (!context->parser)
        throw std::bad_alloc();
    XML_Parser parser = context->parser;
    XML_SetUserData(parser, context.get());
    XML_SetElementHandler(parser, Context::onStart, Context::onEnd);
    XML_SetCharacterDataHandler(parser, Context::onCharacters);
    XML_SetEntityDeclHandler(parser, Context::onEntityDeclaration);
    XML_SetUnknownEncodingHandler(parser, unknownEncoding, nullptr);
    // Entity expansion may not grow a document beyond 100 times its size once past 8 MiB.
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, 100.0f);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, 8u << 20);
}

XMLEventParser::~XMLEventParser() = default;

bool XMLEventParser::isBlank(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

std::string_view XMLEventParser::localName(const char* name) {
    const char* separator = std::strrchr(name, namespaceSeparator);
    return separator ? separator + 1 : name;
}

void XMLEventParser::parse(std::string_view piece, bool isFinal) {
    if (!context->stopped)
        throwIfFailed(parseInChunks(context->parser, piece, isFinal));
}

void XMLEventParser::parseAll(std::string_view document) {
    parse(document, true);
}

void XMLEventParser::stop() {
    context->stopped = true;
    XML_StopParser(context->parser, XML_FALSE);
}

XMLEventParser::ByteRange XMLEventParser::eventBytes() const {
    XML_Index offset = XML_GetCurrentByteIndex(context->parser);
    int size = XML_GetCurrentByteCount(context->parser);
    if (offset < 0 || size < 0)
        return {};
    return {static_cast<std::uint64_t>(offset), static_cast<std::uint64_t>(size)};
}

std::int64_t XMLEventParser::line() const {
    return context->line();
}

void XMLEventParser::throwIfFailed(bool parsed) {
    if (context->failure)
        std::rethrow_exception(context->failure);
    if (context->refused)
        throw ImportError::invalidXML(context->refused->first, context->refused->second,
                                      context->document);
    if (!parsed && !context->stopped) {
        const XML_LChar* description = XML_ErrorString(XML_GetErrorCode(context->parser));
        throw ImportError::invalidXML(
            context->line(), description ? description : "Unknown XML error", context->document);
    }
}

} // namespace marklode
