#include "core/import/ImportError.h"

namespace marklode {

ImportError ImportError::invalidXML(std::int64_t line, std::string message, Document document) {
    return ImportError{InvalidXML{line, std::move(message), document}};
}

ImportError ImportError::unreadableText() {
    return ImportError{UnreadableText{}};
}

ImportError ImportError::invalidKMZ(InvalidKMZ::Problem problem, std::uint64_t limitBytes) {
    return ImportError{InvalidKMZ{problem, limitBytes}};
}

ImportError ImportError::invalidJSON(std::int64_t line, std::string message) {
    return ImportError{InvalidJSON{line, std::move(message)}};
}

ImportError ImportError::jsonNotUTF8() {
    return ImportError{JSONNotUTF8{}};
}

ImportError ImportError::notGeoJSON(std::string type) {
    return ImportError{NotGeoJSON{std::move(type)}};
}

} // namespace marklode
