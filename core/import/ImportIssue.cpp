#include "core/import/ImportIssue.h"

#include "core/text/Translation.h"

#include <iterator>
#include <utility>

namespace marklode {

namespace {

// No reason has more than two placeholders.
std::string filled(std::string_view text, const std::vector<std::string>& arguments) {
    auto at = [&](std::size_t i) {
        return i < arguments.size() ? std::string_view(arguments[i]) : std::string_view();
    };
    return formatted(text, {at(0), at(1)});
}

} // namespace

ImportIssue ImportIssue::because(std::int64_t line, const char* reason,
                                 std::vector<std::string> arguments, Place place) {
    std::string message = filled(reason, arguments);
    return ImportIssue{line, std::move(message), place, reason, std::move(arguments)};
}

std::string ImportIssue::translatedMessage() const {
    return reason ? filled(translate("ImportIssue", reason), arguments) : message;
}

std::string ImportIssue::text() const {
    const std::string number = std::to_string(line);
    if (place == Place::feature)
        return formatted(translate("ImportIssue", "Feature %1: %2"), {number, translatedMessage()});
    return formatted(translate("ImportIssue", "Line %1: %2"), {number, translatedMessage()});
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
