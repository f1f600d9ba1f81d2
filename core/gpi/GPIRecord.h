#pragma once

#include "core/gpi/ByteBuffer.h"

#include <cstdint>
#include <vector>

namespace marklode {

// One record of the file and its sub-records. Its length fields are computed from the tree
// when it is written, so they always agree with the bytes that follow.
struct GPIRecord {
    static constexpr std::uint16_t extendedFlag = 0x0008;
    static constexpr std::size_t shortHeaderSize = 8;
    static constexpr std::size_t extendedHeaderSize = 12;

    std::uint16_t type = 0;
    ByteBuffer main{};
    // Sub-records counted in the main length ("inline" is a C++ keyword).
    std::vector<GPIRecord> inlineRecords{};
    std::vector<GPIRecord> children{};
    bool forceExtended = false;

    bool isExtended() const { return forceExtended || !inlineRecords.empty() || !children.empty(); }
    std::uint64_t mainLength() const;
    std::uint64_t totalLength() const;
    std::uint64_t serializedSize() const;

    void write(ByteBuffer& into) const;
};

// The header alone. The writer refuses records whose lengths don't fit 32 bits before it writes.
// Always inlined: the writer's per-waypoint loop calls it several times per waypoint.
template <typename Sink>
[[gnu::always_inline]] inline void
writeRecordHeader(LittleEndianAppends<Sink>& into, std::uint16_t type, bool extended,
                  std::uint64_t totalLength, std::uint64_t mainLength) {
    into.appendUInt16(type);
    into.appendUInt16(extended ? GPIRecord::extendedFlag : 0);
    into.appendUInt32(static_cast<std::uint32_t>(totalLength));
    if (extended)
        into.appendUInt32(static_cast<std::uint32_t>(mainLength));
}

} // namespace marklode
