#pragma once

#include "core/text/TextClasses.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace marklode::csv {

enum ByteClass : unsigned char { ordinary = 0, structural = 1, quotedSpecial = 2 };

// Outside quotes only comma, quote, CR and LF matter; inside quotes the quote and anything that
// may start a line break (including the lead bytes of U+0085, U+2028 and U+2029) do.
constexpr std::array<unsigned char, 256> byteClasses = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        table[c] |= structural;
    for (unsigned char c : {'"', '\n', '\v', '\f', '\r', '\xC2', '\xE2'})
        table[c] |= quotedSpecial;
    return table;
}();

// One pass over the text. Fields are views into the text as long as they are contiguous there;
// only fields that lose characters in the middle (doubled or closing quotes followed by more
// text) are copied, into a scratch buffer that lives for one row.
//
// The sink takes (line, fields, offset past the row). A sink that returns bool ends the pass by
// returning false for a row that ended at a line break.
template <typename Sink> class Tokenizer {
  public:
    Tokenizer(std::string_view text, Sink& sink) : text(text), sink(sink) {}

    // The lines the pass went through, counting those inside quoted fields.
    std::int64_t linesPassed() const { return line - 1; }
    // Whether the text ended between rows: outside quotes, just after a line break (or empty).
    bool endedBetweenRows() const { return betweenRows; }
    // Whether the sink ended the pass.
    bool stopped() const { return stoppedBySink; }

    void run() {
        const std::size_t size = text.size();
        std::size_t i = 0;
        bool inQuotes = false;
        while (i < size) {
            if (!inQuotes) {
                std::size_t j = skip(i, structural);
                if (j > i)
                    append(i, j - i);
                i = j;
                if (i == size)
                    break;
                char c = text[i];
                if (c == ',') {
                    finishField();
                    ++i;
                } else if (c == '"') {
                    if (fieldIsBlank()) {
                        clearField();
                        inQuotes = true;
                    } else {
                        append(i, 1);
                    }
                    ++i;
                } else {
                    i += c == '\r' && i + 1 < size && text[i + 1] == '\n' ? 2 : 1;
                    finishField();
                    const bool more = emitRow(startLine, i);
                    ++line;
                    startLine = line;
                    if (!more) {
                        stoppedBySink = true;
                        return;
                    }
                }
                continue;
            }
            std::size_t j = skip(i, quotedSpecial);
            if (j > i)
                append(i, j - i);
            i = j;
            if (i == size)
                break;
            std::size_t length = 1;
            bool lineBreak = false;
            switch (text[i]) {
            case '"':
                if (i + 1 < size && text[i + 1] == '"') {
                    append(i, 1);
                    i += 2;
                } else {
                    // The next character is handled by the unquoted rules.
                    inQuotes = false;
                    ++i;
                }
                continue;
            case '\r':
                length = i + 1 < size && text[i + 1] == '\n' ? 2 : 1;
                lineBreak = true;
                break;
            case '\n':
            case '\v':
            case '\f':
                lineBreak = true;
                break;
            case '\xC2': // U+0085
                if (i + 1 < size && text[i + 1] == '\x85') {
                    length = 2;
                    lineBreak = true;
                }
                break;
            default: // 0xE2: U+2028, U+2029
                if (i + 2 < size && text[i + 1] == '\x80' &&
                    (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
                    length = 3;
                    lineBreak = true;
                }
                break;
            }
            append(i, length);
            i += length;
            if (lineBreak)
                ++line;
        }
        betweenRows = !inQuotes && fieldLength() == 0 && fields.empty();
        if (fieldLength() > 0 || !fields.empty()) {
            finishField();
            emitRow(startLine, size);
        }
    }

  private:
    struct FieldRef {
        bool inScratch;
        std::size_t begin;
        std::size_t length;
    };

    std::size_t skip(std::size_t i, unsigned char mask) const {
        const std::size_t size = text.size();
#if defined(__SSE2__)
        // Sixteen bytes at a time; the first byte of the class ends the skip.
        while (size - i >= 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            auto is = [v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
            __m128i found = _mm_or_si128(is('"'), _mm_or_si128(is('\r'), is('\n')));
            if (mask == structural)
                found = _mm_or_si128(found, is(','));
            else
                found = _mm_or_si128(_mm_or_si128(found, _mm_or_si128(is('\v'), is('\f'))),
                                     _mm_or_si128(is('\xC2'), is('\xE2')));
            if (const int bits = _mm_movemask_epi8(found))
                return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bits)));
            i += 16;
        }
#else
        if (mask == structural) {
            // Eight bytes at a time while none of them is a comma, quote, CR or LF.
            while (size - i >= 8) {
                std::uint64_t word;
                std::memcpy(&word, text.data() + i, 8);
                if (hasByte(word, ',') | hasByte(word, '"') | hasByte(word, '\r') |
                    hasByte(word, '\n'))
                    break;
                i += 8;
            }
        }
#endif
        while (i < size && !(byteClasses[static_cast<unsigned char>(text[i])] & mask))
            ++i;
        return i;
    }

#if !defined(__SSE2__)
    static std::uint64_t hasByte(std::uint64_t word, unsigned char byte) {
        constexpr std::uint64_t ones = 0x0101010101010101ULL;
        std::uint64_t x = word ^ (ones * byte);
        return (x - ones) & ~x & (ones << 7);
    }
#endif

    std::size_t fieldLength() const {
        return fieldInScratch ? scratch.size() - fieldBegin : fieldEnd - fieldBegin;
    }

    std::string_view fieldText() const {
        return fieldInScratch ? std::string_view(scratch).substr(fieldBegin)
                              : text.substr(fieldBegin, fieldEnd - fieldBegin);
    }

    void append(std::size_t position, std::size_t length) {
        if (!fieldInScratch) {
            if (fieldBegin == fieldEnd) {
                fieldBegin = position;
                fieldEnd = position + length;
                return;
            }
            if (fieldEnd == position) {
                fieldEnd += length;
                return;
            }
            std::string_view sofar = text.substr(fieldBegin, fieldEnd - fieldBegin);
            fieldInScratch = true;
            fieldBegin = scratch.size();
            scratch.append(sofar);
        }
        scratch.append(text.substr(position, length));
    }

    // Remembers how far the field is known to be blank, so that many quotes in one long field
    // don't rescan it each time.
    bool fieldIsBlank() {
        if (fieldHasContent)
            return false;
        std::string_view content = fieldText();
        if (!isAllWhitespace(content.substr(blankCheckedUpTo))) {
            fieldHasContent = true;
            return false;
        }
        blankCheckedUpTo = content.size();
        return true;
    }

    void resetField() {
        fieldInScratch = false;
        fieldBegin = fieldEnd = 0;
        fieldHasContent = false;
        blankCheckedUpTo = 0;
    }

    void clearField() {
        if (fieldInScratch)
            scratch.resize(fieldBegin);
        resetField();
    }

    void finishField() {
        fields.push_back(fieldInScratch ? FieldRef{true, fieldBegin, scratch.size() - fieldBegin}
                                        : FieldRef{false, fieldBegin, fieldEnd - fieldBegin});
        resetField();
    }

    // `end` is the offset just past the row and its line break. False when the sink asks to stop.
    bool emitRow(std::int64_t rowLine, std::size_t end) {
        views.clear();
        for (const FieldRef& ref : fields)
            views.push_back(ref.inScratch ? std::string_view(scratch).substr(ref.begin, ref.length)
                                          : text.substr(ref.begin, ref.length));
        const std::span<const std::string_view> row(views);
        bool more = true;
        if constexpr (std::is_same_v<decltype(sink(rowLine, row, end)), bool>)
            more = sink(rowLine, row, end);
        else
            sink(rowLine, row, end);
        fields.clear();
        scratch.clear();
        return more;
    }

    std::string_view text;
    Sink& sink;
    std::int64_t line = 1;
    std::int64_t startLine = 1;
    std::vector<FieldRef> fields;
    std::vector<std::string_view> views;
    std::string scratch;
    bool fieldInScratch = false;
    std::size_t fieldBegin = 0;
    std::size_t fieldEnd = 0;
    bool fieldHasContent = false;
    std::size_t blankCheckedUpTo = 0;
    bool betweenRows = true;
    bool stoppedBySink = false;
};

template <typename Sink> void tokenizeInto(std::string_view text, Sink& sink) {
    Tokenizer<Sink>(text, sink).run();
}

} // namespace marklode::csv
