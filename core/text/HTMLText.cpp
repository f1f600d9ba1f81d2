#include "core/text/HTMLText.h"

#include "core/text/TextClasses.h"
#include "core/text/TextDecoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace marklode {

namespace {

bool isASCIILetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isHTMLSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Where a tag may begin: "<" then a letter, "/", "!" or "?". Anything else is a literal "<".
bool startsTag(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size())
        return false;
    char next = text[at + 1];
    return isASCIILetter(next) || next == '/' || next == '!' || next == '?';
}

bool hasTag(std::string_view text) {
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1))
        if (startsTag(text, at))
            return true;
    return false;
}

// Tags that end a line in a browser's rendering, opening or closing.
bool breaksLine(std::string_view name) {
    static constexpr std::array<std::string_view, 16> names = {
        "br", "p",  "div", "li", "tr", "h1",    "h2",         "h3",
        "h4", "h5", "h6",  "ul", "ol", "table", "blockquote", "hr"};
    for (std::string_view candidate : names)
        if (name == candidate)
            return true;
    return false;
}

// Collects lines, trimming each and dropping the empty ones.
class Lines {
  public:
    void append(std::string_view text) {
        if (pendingSpace && !line.empty())
            line += ' ';
        pendingSpace = false;
        line.append(text);
    }
    void space() { pendingSpace = true; }
    void lineBreak() {
        std::string_view trimmed = trimWhitespace(line);
        if (!trimmed.empty()) {
            if (!out.empty())
                out += '\n';
            out.append(trimmed);
        }
        line.clear();
        pendingSpace = false;
    }
    std::string finish() {
        lineBreak();
        return std::move(out);
    }

  private:
    std::string out;
    std::string line;
    bool pendingSpace = false;
};

// The scalar of a reference's body (between "&" and ";"), if it names a valid one.
std::optional<char32_t> referencedScalar(std::string_view body) {
    static constexpr std::pair<std::string_view, char32_t> named[] = {
        {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"nbsp", U' '}};
    if (body.size() < 2 || body[0] != '#') {
        for (auto [name, scalar] : named)
            if (body == name)
                return scalar;
        return std::nullopt;
    }
    bool hex = body[1] == 'x' || body[1] == 'X';
    std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'          ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return static_cast<char32_t>(value);
}

class Converter {
  public:
    Converter(std::string_view html) : text(html), keepLineBreaks(!hasTag(html)) {}

    std::string run() {
        while (at < text.size()) {
            char c = text[at];
            if (c == '<' && startsTag(text, at))
                tag();
            else if (c == '&')
                reference();
            else if (isHTMLSpace(c))
                whiteSpace();
            else
                ordinaryRun();
        }
        return lines.finish();
    }

  private:
    void ordinaryRun() {
        std::size_t end = at;
        while (end < text.size() && text[end] != '<' && text[end] != '&' && !isHTMLSpace(text[end]))
            ++end;
        if (end == at) // a "<" that starts no tag
            ++end;
        lines.append(text.substr(at, end - at));
        at = end;
    }

    void whiteSpace() {
        char c = text[at++];
        if (keepLineBreaks && (c == '\n' || c == '\r')) {
            if (c == '\r' && at < text.size() && text[at] == '\n')
                ++at;
            lines.lineBreak();
        } else {
            lines.space();
        }
    }

    void reference() {
        std::size_t end = text.find(';', at + 1);
        std::optional<char32_t> scalar;
        if (end != std::string_view::npos && end - at <= 12)
            scalar = referencedScalar(text.substr(at + 1, end - at - 1));
        if (!scalar) {
            lines.append("&");
            ++at;
            return;
        }
        at = end + 1;
        if (*scalar < 0x80 && isHTMLSpace(static_cast<char>(*scalar))) {
            lines.space();
            return;
        }
        std::string encoded;
        appendUTF8(encoded, *scalar);
        lines.append(encoded);
    }

    void tag() {
        if (text.substr(at, 4) == "<!--") {
            std::size_t end = text.find("-->", at + 4);
            if (end == std::string_view::npos)
                return literal();
            at = end + 3;
            return;
        }
        std::optional<std::size_t> end = tagEnd();
        if (!end)
            return literal();
        bool closing = text[at + 1] == '/';
        std::string name = tagName();
        at = *end + 1;
        if (breaksLine(name))
            lines.lineBreak();
        else if (name == "td" || name == "th")
            lines.space();
        else if ((name == "script" || name == "style") && !closing && text[at - 2] != '/')
            skipContentsOf(name);
    }

    // The ">" that closes the tag at `at`, outside quoted attribute values.
    std::optional<std::size_t> tagEnd() const {
        char quote = 0;
        for (std::size_t i = at + 1; i < text.size(); ++i) {
            char c = text[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            }
        }
        return std::nullopt;
    }

    // Lower-cased, without the "/" of an end tag.
    std::string tagName() const {
        std::size_t i = at + 1;
        if (i < text.size() && text[i] == '/')
            ++i;
        std::string name;
        while (i < text.size() && (isASCIILetter(text[i]) || (text[i] >= '0' && text[i] <= '9')))
            name += asciiLower(text[i++]);
        return name;
    }

    void skipContentsOf(const std::string& name) {
        std::string closing = "</" + name;
        for (std::size_t i = at; i + closing.size() <= text.size(); ++i) {
            bool matches = true;
            for (std::size_t k = 0; k < closing.size() && matches; ++k)
                matches = asciiLower(text[i + k]) == closing[k];
            if (matches) {
                at = i;
                return;
            }
        }
        at = text.size();
    }

    void literal() {
        lines.append("<");
        ++at;
    }

    std::string_view text;
    bool keepLineBreaks;
    std::size_t at = 0;
    Lines lines;
};

} // namespace

std::string plainTextFromHTML(std::string_view html) {
    return Converter(html).run();
}

} // namespace marklode
