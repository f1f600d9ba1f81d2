#include "core/import/ParsedPrefix.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace marklode {

namespace {

// The C library's search runs many bytes at a time, several times faster than a loop here.
std::int64_t countLines(const char* begin, const char* end) {
    std::int64_t count = 0;
    while (begin < end) {
        const void* found = std::memchr(begin, '\n', static_cast<std::size_t>(end - begin));
        if (!found)
            break;
        ++count;
        begin = static_cast<const char*>(found) + 1;
    }
    return count;
}

} // namespace

void ParsedPrefix::passed(std::size_t offset) {
    offset = std::min(offset, text.size());
    if (offset < released + step)
        return;
    static const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    auto base = reinterpret_cast<std::uintptr_t>(text.data());
    // Whole pages only: the partial ones at either end may hold other data.
    std::uintptr_t from = (base + released + pageSize - 1) / pageSize * pageSize;
    std::uintptr_t to = (base + offset) / pageSize * pageSize;
    if (to <= from)
        return;
    auto end = static_cast<std::size_t>(to - base);
    linesBeforeReleased += countLines(text.data() + released, text.data() + end);
    // Advice, not a promise: where the system ignores it the pages simply stay.
    ::madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    released = end;
}

std::int64_t ParsedPrefix::lineAt(std::size_t offset) const {
    offset = std::clamp(offset, released, text.size());
    return 1 + linesBeforeReleased + countLines(text.data() + released, text.data() + offset);
}

} // namespace marklode
