#include "core/gpi/TextLengths.h"

#include "core/text/Windows1252.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace marklode {

namespace {

constexpr std::uint64_t highBits = 0x8080808080808080u;

const unsigned char* bytesOf(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

std::uint64_t wordAt(const unsigned char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The position of the first byte in memory whose top bit is set; `highs` has only top bits.
std::size_t firstHighByte(std::uint64_t highs) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<std::size_t>(std::countr_zero(highs)) / 8;
    else
        return static_cast<std::size_t>(std::countl_zero(highs)) / 8;
}

} // namespace

bool isAllASCII(std::string_view text) {
    const unsigned char* bytes = bytesOf(text);
    const std::size_t n = text.size();
    std::size_t i = 0;
    // Blocks of 64 bytes keep the loop free of branches but for one a block.
    for (; i + 64 <= n; i += 64) {
        std::uint64_t any = 0;
        for (std::size_t k = 0; k < 64; k += 8)
            any |= wordAt(bytes + i + k);
        if (any & highBits)
            return false;
    }
    std::uint64_t any = 0;
    for (; i + 8 <= n; i += 8)
        any |= wordAt(bytes + i);
    for (; i < n; ++i)
        any |= bytes[i];
    return (any & highBits) == 0;
}

// Accented letters (U+00A0 to U+00FF, two UTF-8 bytes each) keep their code as Windows-1252
// byte and are counted here; any other character is left to the full check. ASCII words are
// skipped whole, and within a word the scan jumps to its first non-ASCII byte.
std::optional<std::size_t> windows1252Measure(std::string_view text) {
    const unsigned char* bytes = bytesOf(text);
    const std::size_t n = text.size();
    std::size_t pairs = 0;
    std::size_t i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            std::uint64_t highs = wordAt(bytes + i) & highBits;
            if (highs == 0) {
                i += 8;
                continue;
            }
            i += firstHighByte(highs);
        } else if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        unsigned char lead = bytes[i];
        unsigned char next = i + 1 < n ? bytes[i + 1] : 0;
        if (!((lead == 0xC3 && (next & 0xC0) == 0x80) ||
              (lead == 0xC2 && next >= 0xA0 && next < 0xC0)))
            return windows1252Length(text);
        i += 2;
        ++pairs;
    }
    return n - pairs;
}

// A byte per character: the UTF-8 bytes less the continuation bytes (10xxxxxx), whose top bit
// is set and the next one clear. They are few, so they are counted one by one.
std::size_t encodableLength(std::string_view text) {
    const unsigned char* bytes = bytesOf(text);
    const std::size_t n = text.size();
    std::size_t continuations = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word = wordAt(bytes + i);
        for (std::uint64_t marks = word & ~(word << 1) & highBits; marks != 0; marks &= marks - 1)
            ++continuations;
    }
    for (; i < n; ++i)
        continuations += (bytes[i] & 0xC0) == 0x80;
    return n - continuations;
}

} // namespace marklode
