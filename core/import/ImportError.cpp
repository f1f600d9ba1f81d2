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

} // namespace marklode
