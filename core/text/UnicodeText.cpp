#include "core/text/UnicodeText.h"

#include "core/text/TextClasses.h"

#include <utf8proc.h>

namespace marklode::unicode {

namespace {

struct Scalar {
    char32_t value = 0;
    std::size_t length = 1;
    bool valid = false;
};

Scalar decodeAt(std::string_view text, std::size_t offset) {
    utf8proc_int32_t codepoint = 0;
    utf8proc_ssize_t length =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data() + offset),
                         static_cast<utf8proc_ssize_t>(text.size() - offset), &codepoint);
    if (length <= 0)
        return {};
    return {static_cast<char32_t>(codepoint), static_cast<std::size_t>(length), true};
}

bool trimsAway(const Scalar& scalar, bool alsoFullStops) {
    return scalar.valid &&
           (isWhitespaceOrNewline(scalar.value) || (alsoFullStops && scalar.value == U'.'));
}

} // namespace

bool isControlOrFormat(char32_t scalar) {
    auto category = utf8proc_category(static_cast<utf8proc_int32_t>(scalar));
    return category == UTF8PROC_CATEGORY_CC || category == UTF8PROC_CATEGORY_CF;
}

std::string trimmed(std::string_view text, bool alsoFullStops) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        Scalar scalar = decodeAt(text, begin);
        if (!trimsAway(scalar, alsoFullStops))
            break;
        begin += scalar.length;
    }
    // Walk forward to find where the last kept scalar ends; UTF-8 can't be decoded backwards
    // reliably when it may be invalid.
    std::size_t end = begin;
    for (std::size_t offset = begin; offset < text.size();) {
        Scalar scalar = decodeAt(text, offset);
        offset += scalar.length;
        if (!trimsAway(scalar, alsoFullStops))
            end = offset;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string replacingScalars(std::string_view text, bool (*replace)(char32_t scalar)) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        Scalar scalar = decodeAt(text, offset);
        if (!scalar.valid || replace(scalar.value))
            result += '_';
        else
            result.append(text.substr(offset, scalar.length));
        offset += scalar.length;
    }
    return result;
}

} // namespace marklode::unicode
