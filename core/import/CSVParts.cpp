#include "core/import/CSVParts.h"

#include "core/import/CSVRowParser.h"
#include "core/import/CSVTokenizer.h"
#include "core/text/TextDecoding.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <span>
#include <system_error>
#include <thread>

namespace marklode::csv {

namespace {

// Each part on its own cache lines: its parser writes to itself on every row.
struct alignas(64) Part {
    Part(std::string_view text, SpeedUnit speedUnit, std::size_t roomFor)
        : text(text), parser(speedUnit, roomFor) {}

    std::string_view text;
    RowParser parser;
    std::int64_t lines = 0;
    bool endedBetweenRows = false;
    bool validUTF8 = true;
    std::exception_ptr error;
};

void parse(Part& part, bool checkUTF8) {
    try {
        if (checkUTF8 && !isValidUTF8(part.text)) {
            part.validUTF8 = false;
            return;
        }
        Tokenizer<RowParser> tokenizer(part.text, part.parser);
        tokenizer.run();
        part.lines = tokenizer.linesPassed();
        part.endedBetweenRows = tokenizer.endedBetweenRows();
    } catch (...) {
        part.error = std::current_exception();
    }
}

} // namespace

std::vector<std::size_t> cutPoints(std::string_view text, std::size_t count) {
    std::vector<std::size_t> cuts;
    std::size_t from = 0;
    for (std::size_t k = 1; k < count; ++k) {
        std::size_t target = std::max(text.size() / count * k, from);
        if (target >= text.size())
            break;
        const void* found = std::memchr(text.data() + target, '\n', text.size() - target);
        if (!found)
            break;
        std::size_t cut =
            static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) + 1;
        if (cut == text.size())
            break;
        cuts.push_back(cut);
        from = cut;
    }
    return cuts;
}

PartsImport importInParts(std::string_view text, SpeedUnit speedUnit, std::size_t count,
                          bool checkUTF8) {
    const std::vector<std::size_t> cuts = cutPoints(text, count);
    if (cuts.empty())
        return {};

    // The columns come from the first row that is not blank, which must end in the first part.
    RowParser start(speedUnit, cuts.front());
    auto untilSettled = [&start](std::int64_t line, std::span<const std::string_view> fields,
                                 std::size_t end) {
        start(line, fields, end);
        return !start.columnsSettled();
    };
    Tokenizer<decltype(untilSettled)> probe(text.substr(0, cuts.front()), untilSettled);
    probe.run();
    if (!probe.stopped())
        return {};

    std::vector<Part> parts;
    parts.reserve(cuts.size() + 1);
    // The first part keeps the result and room for all of it.
    parts.emplace_back(text.substr(0, cuts.front()), speedUnit, text.size());
    for (std::size_t k = 0; k < cuts.size(); ++k) {
        std::size_t end = k + 1 < cuts.size() ? cuts[k + 1] : text.size();
        Part& part =
            parts.emplace_back(text.substr(cuts[k], end - cuts[k]), speedUnit, end - cuts[k]);
        part.parser.continueAfter(start);
    }
    {
        std::vector<std::jthread> threads;
        threads.reserve(parts.size() - 1);
        for (std::size_t k = 1; k < parts.size(); ++k) {
            try {
                threads.emplace_back(parse, std::ref(parts[k]), checkUTF8);
            } catch (const std::system_error&) {
                // Without a thread of its own the part is parsed on this one.
                parse(parts[k], checkUTF8);
            }
        }
        parse(parts.front(), checkUTF8);
    }

    PartsImport outcome;
    for (Part& part : parts)
        if (part.error)
            std::rethrow_exception(part.error);
    if (checkUTF8) {
        outcome.validUTF8 = true;
        for (const Part& part : parts)
            if (!part.validUTF8)
                outcome.validUTF8 = false;
        if (!*outcome.validUTF8)
            return outcome;
    }
    for (std::size_t k = 0; k + 1 < parts.size(); ++k)
        if (!parts[k].endedBetweenRows)
            return outcome;

    ImportResult result = std::move(parts.front().parser.result);
    std::vector<const POIStore*> later;
    for (std::size_t k = 1; k < parts.size(); ++k)
        later.push_back(&parts[k].parser.result.pois);
    result.pois.append(later);
    std::int64_t lineShift = parts.front().lines;
    for (std::size_t k = 1; k < parts.size(); ++k) {
        parts[k].parser.result.pois = POIStore();
        appendImport(result, std::move(parts[k].parser.result), lineShift);
        lineShift += parts[k].lines;
    }
    outcome.result = std::move(result);
    return outcome;
}

} // namespace marklode::csv
