#include "core/import/ImportIssue.h"

namespace marklode {

std::string ImportIssue::text() const {
    return "Line " + std::to_string(line) + ": " + message;
}

} // namespace marklode
