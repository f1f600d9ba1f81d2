#include "core/text/PrintableText.h"

#include "core/text/TextDecoding.h"

#include <cstdio>

namespace marklode {

namespace {

// Non-ASCII scalars that drive terminals (C1), reorder text or break lines.
bool isUnsafeBeyondASCII(char32_t scalar) {
    return (scalar >= 0x80 && scalar <= 0x9F) || scalar == 0x061C || scalar == 0x200E ||
           scalar == 0x200F || (scalar >= 0x2028 && scalar <= 0x202E) ||
           (scalar >= 0x2066 && scalar <= 0x2069);
}

struct Piece {
    std::string_view bytes;
    char32_t scalar;
    bool malformed;
    bool unsafe;
};

// Calls `visit` with each scalar of the text, or each byte that starts no UTF-8 sequence.
template <typename Visit> void forEachPiece(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            visit(Piece{text.substr(i, 1), byte, false, false});
            ++i;
            continue;
        }
        DecodedScalar decoded = decodeScalarAt(text, i);
        bool malformed = decoded.scalar == 0xFFFD && decoded.length == 1;
        visit(Piece{text.substr(i, decoded.length), decoded.scalar, malformed,
                    malformed || decoded.scalar < 0x80 || isUnsafeBeyondASCII(decoded.scalar)});
        i += decoded.length;
    }
}

bool isLineBreakOrTab(char32_t scalar) {
    return scalar == '\n' || scalar == '\r' || scalar == '\t';
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachPiece(text, [&](const Piece& piece) {
        if (!piece.unsafe) {
            out += piece.bytes;
            return;
        }
        if (isLineBreakOrTab(piece.scalar)) {
            out += piece.scalar == '\n' ? "\\n" : piece.scalar == '\r' ? "\\r" : "\\t";
            return;
        }
        char escape[16];
        if (piece.malformed || piece.scalar < 0x80)
            std::snprintf(escape, sizeof escape, "\\x%02x",
                          static_cast<unsigned char>(piece.bytes[0]));
        else
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(piece.scalar));
        out += escape;
    });
    return out;
}

std::string withoutControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachPiece(text, [&](const Piece& piece) {
        if (!piece.unsafe)
            out += piece.bytes;
        else if (isLineBreakOrTab(piece.scalar))
            out += ' ';
        else if (piece.malformed)
            out += "\uFFFD";
    });
    return out;
}

} // namespace marklode
