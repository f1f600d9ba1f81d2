#pragma once

#include "core/text/TextClasses.h"

#include <algorithm>
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
                if (!fieldInScratch && fieldBegin == fieldEnd) {
                    // Fields without quotes are cut straight out of the text. A quote or the
                    // end of the text is left to the rules below, with the field still empty.
                    for (;;) {
                        const std::size_t j = nextStructural(i);
                        if (j == size || text[j] == '"')
                            break;
                        addView(std::string_view(text.data() + i, j - i));
                        if (text[j] == ',') {
                            i = j + 1;
                            continue;
                        }
                        i = j + lineBreakLength(j);
                        if (!finishRow(i))
                            return;
                    }
                }
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
                    i += lineBreakLength(i);
                    finishField();
                    if (!finishRow(i))
                        return;
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
        betweenRows = !inQuotes && fieldLength() == 0 && count == 0;
        if (fieldLength() > 0 || count > 0) {
            finishField();
            emitRow(startLine, size);
        }
    }

  private:
    // A field of the row being read that lies in the scratch buffer, which may still move.
    struct ScratchField {
        std::size_t index;
        std::size_t begin;
        std::size_t length;
    };

    // The next comma, quote, CR or LF from i on, or the size. The text is classified 64 bytes
    // at a time into a bit mask that serves every field starting in those bytes.
    std::size_t nextStructural(std::size_t i) {
        const std::size_t size = text.size();
        for (;;) {
            if (i - blockBase < 64) {
                if (const std::uint64_t bits = blockBits >> (i - blockBase))
                    return i + static_cast<std::size_t>(std::countr_zero(bits));
                i = blockBase + 64;
            }
            if (i >= size)
                return size;
            blockBase = i;
            blockBits = structuralBits(i);
        }
    }

    std::uint64_t structuralBits(std::size_t i) const {
        const std::size_t size = text.size();
        std::uint64_t bits = 0;
#if defined(__SSE2__)
        if (size - i >= 64) {
            const __m128i comma = _mm_set1_epi8(','), quote = _mm_set1_epi8('"'),
                          cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
            for (int k = 0; k < 4; ++k) {
                const __m128i v =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i + 16 * k));
                const __m128i found =
                    _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, quote)),
                                 _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
                bits |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(found)) &
                                                   0xFFFFu)
                        << (16 * k);
            }
            return bits;
        }
#endif
        const std::size_t n = std::min<std::size_t>(64, size - i);
        for (std::size_t k = 0; k < n; ++k)
            if (byteClasses[static_cast<unsigned char>(text[i + k])] & structural)
                bits |= std::uint64_t{1} << k;
        return bits;
    }

    void addView(std::string_view field) {
        if (count == views.size())
            views.resize(views.size() * 2 + 8);
        views[count++] = field;
    }

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
        if (fieldInScratch) {
            scratchFields.push_back({count, fieldBegin, scratch.size() - fieldBegin});
            addView({});
        } else {
            addView(std::string_view(text.data() + fieldBegin, fieldEnd - fieldBegin));
        }
        resetField();
    }

    // CR LF is one line break.
    std::size_t lineBreakLength(std::size_t at) const {
        return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    }

    // The row ended at a line break just before `end`. False when the sink asks to stop.
    bool finishRow(std::size_t end) {
        const bool more = emitRow(startLine, end);
        ++line;
        startLine = line;
        if (!more)
            stoppedBySink = true;
        return more;
    }

    // `end` is the offset just past the row and its line break. False when the sink asks to stop.
    bool emitRow(std::int64_t rowLine, std::size_t end) {
        for (const ScratchField& field : scratchFields)
            views[field.index] = std::string_view(scratch).substr(field.begin, field.length);
        const std::span<const std::string_view> row(views.data(), count);
        bool more = true;
        if constexpr (std::is_same_v<decltype(sink(rowLine, row, end)), bool>)
            more = sink(rowLine, row, end);
        else
            sink(rowLine, row, end);
        count = 0;
        scratchFields.clear();
        scratch.clear();
        return more;
    }

    std::string_view text;
    Sink& sink;
    std::int64_t line = 1;
    std::int64_t startLine = 1;
    // The row's fields are the first `count` views; the vector only grows.
    std::vector<std::string_view> views;
    std::size_t count = 0;
    std::vector<ScratchField> scratchFields;
    std::string scratch;
    std::size_t blockBase = SIZE_MAX - 63; // no block classified yet
    std::uint64_t blockBits = 0;
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
