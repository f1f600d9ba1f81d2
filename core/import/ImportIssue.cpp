#include "core/import/ImportIssue.h"

#include <iterator>
#include <utility>

namespace marklode {

std::string ImportIssue::text() const {
    return (place == Place::feature ? "Feature " : "Line ") + std::to_string(line) + ": " + message;
}

void appendImport(ImportResult& into, ImportResult later, std::int64_t lineShift) {
    into.pois.append(later.pois);
    into.issues.reserve(into.issues.size() + later.issues.size());
    for (ImportIssue& issue : later.issues) {
        issue.line += lineShift;
        into.issues.push_back(std::move(issue));
    }
    into.categoryImages.insert(into.categoryImages.end(),
                               std::make_move_iterator(later.categoryImages.begin()),
                               std::make_move_iterator(later.categoryImages.end()));
}

} // namespace marklode
