#include "core/gpi/GPIRecord.h"

namespace marklode {

namespace {

std::uint64_t sizeOf(const std::vector<GPIRecord>& records) {
    std::uint64_t size = 0;
    for (const GPIRecord& record : records)
        size += record.serializedSize();
    return size;
}

} // namespace

std::uint64_t GPIRecord::mainLength() const {
    return main.size() + sizeOf(inlineRecords);
}

std::uint64_t GPIRecord::totalLength() const {
    return mainLength() + sizeOf(children);
}

std::uint64_t GPIRecord::serializedSize() const {
    return (isExtended() ? extendedHeaderSize : shortHeaderSize) + totalLength();
}

void GPIRecord::write(ByteBuffer& into) const {
    std::uint64_t mainBytes = mainLength();
    std::uint64_t total = mainBytes + sizeOf(children);
    writeRecordHeader(into, type, isExtended(), total, mainBytes);
    into.appendBytes(main.bytes);
    for (const GPIRecord& record : inlineRecords)
        record.write(into);
    for (const GPIRecord& record : children)
        record.write(into);
}

} // namespace marklode
