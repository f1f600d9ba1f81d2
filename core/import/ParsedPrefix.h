#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace marklode {

// The start of a text a forward-only parser has moved past. Its whole pages go back to the
// system, so that a large file and what is made of it don't fill memory together; the lines
// they held are counted first, so that a position found later still has its line number.
// Only for text the caller owns and won't read again: released pages read as zero bytes.
class ParsedPrefix {
  public:
    explicit ParsedPrefix(std::string_view text) : text(text) {}

    // Everything before `offset` has been read for the last time. Cheap to call often: pages
    // are given back in steps of `step` bytes.
    void passed(std::size_t offset);
    // The 1-based line of the byte at `offset`, which must not lie in the released part.
    std::int64_t lineAt(std::size_t offset) const;
    std::size_t releasedUpTo() const { return released; }

    static constexpr std::size_t step = 8u << 20;

  private:
    std::string_view text;
    std::size_t released = 0;
    std::int64_t linesBeforeReleased = 0;
};

} // namespace marklode
