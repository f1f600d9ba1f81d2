#include "core/import/XMLChunks.h"

#include <algorithm>
#include <cstring>
#include <expat.h>
#include <new>

namespace marklode {

bool parseInChunks(XML_ParserStruct* parser, std::string_view text, bool isFinal) {
    constexpr std::size_t chunkSize = 1 << 20;
    std::size_t offset = 0;
    do {
        std::size_t length = std::min(chunkSize, text.size() - offset);
        if (length > 0) {
            void* buffer = XML_GetBuffer(parser, static_cast<int>(length));
            if (!buffer)
                throw std::bad_alloc();
            std::memcpy(buffer, text.data() + offset, length);
        }
        offset += length;
        if (XML_ParseBuffer(parser, static_cast<int>(length),
                            isFinal && offset == text.size() ? XML_TRUE : XML_FALSE) !=
            XML_STATUS_OK)
            return false;
    } while (offset < text.size());
    return true;
}

} // namespace marklode
