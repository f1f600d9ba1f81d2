#include "core/import/ImportError.h"

namespace marklode {

ImportError ImportError::invalidXML(std::int64_t line, std::string message) {
    return ImportError{InvalidXML{line, std::move(message)}};
}

ImportError ImportError::unreadableText() {
    return ImportError{UnreadableText{}};
}

} // namespace marklode
