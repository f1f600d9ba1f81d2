#include "core/import/ImportIssue.h"

namespace marklode {

std::string ImportIssue::text() const {
    return (place == Place::feature ? "Feature " : "Line ") + std::to_string(line) + ": " + message;
}

} // namespace marklode
