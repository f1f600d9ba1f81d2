#include "core/import/CSVImporter.h"

#include "core/import/FieldNames.h"
#include "core/import/ImportError.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/TextDecoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace marklode {

namespace {

enum ByteClass : unsigned char { ordinary = 0, structural = 1, quotedSpecial = 2 };

// Outside quotes only comma, quote, CR and LF matter; inside quotes the quote and anything that
// may start a line break (including the lead bytes of U+0085, U+2028 and U+2029) do.
constexpr std::array<unsigned char, 256> byteClasses = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        table[c] |= structural;
    for (unsigned char c : {'"', '\n', '\v', '\f', '\r', '\xC2', '\xE2'})
        table[c] |= quotedSpecial;
    return table;
}();

// One pass over the text. Fields are views into the text as long as they are contiguous there;
// only fields that lose characters in the middle (doubled or closing quotes followed by more
// text) are copied, into a scratch buffer that lives for one row.
template <typename Sink> class Tokenizer {
  public:
    Tokenizer(std::string_view text, Sink& sink) : text(text), sink(sink) {}

    void run() {
        const std::size_t size = text.size();
        std::size_t i = 0;
        bool inQuotes = false;
        while (i < size) {
            if (!inQuotes) {
                std::size_t j = skip(i, structural);
                if (j > i)
                    append(i, j - i);
                i = j;
                if (i == size)
                    break;
                char c = text[i];
                if (c == ',') {
                    finishField();
                    ++i;
                } else if (c == '"') {
                    if (fieldIsBlank()) {
                        clearField();
                        inQuotes = true;
                    } else {
                        append(i, 1);
                    }
                    ++i;
                } else {
                    i += c == '\r' && i + 1 < size && text[i + 1] == '\n' ? 2 : 1;
                    finishField();
                    emitRow(startLine, i);
                    ++line;
                    startLine = line;
                }
                continue;
            }
            std::size_t j = skip(i, quotedSpecial);
            if (j > i)
                append(i, j - i);
            i = j;
            if (i == size)
                break;
            std::size_t length = 1;
            bool lineBreak = false;
            switch (text[i]) {
            case '"':
                if (i + 1 < size && text[i + 1] == '"') {
                    append(i, 1);
                    i += 2;
                } else {
                    // The next character is handled by the unquoted rules.
                    inQuotes = false;
                    ++i;
                }
                continue;
            case '\r':
                length = i + 1 < size && text[i + 1] == '\n' ? 2 : 1;
                lineBreak = true;
                break;
            case '\n':
            case '\v':
            case '\f':
                lineBreak = true;
                break;
            case '\xC2': // U+0085
                if (i + 1 < size && text[i + 1] == '\x85') {
                    length = 2;
                    lineBreak = true;
                }
                break;
            default: // 0xE2: U+2028, U+2029
                if (i + 2 < size && text[i + 1] == '\x80' &&
                    (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
                    length = 3;
                    lineBreak = true;
                }
                break;
            }
            append(i, length);
            i += length;
            if (lineBreak)
                ++line;
        }
        if (fieldLength() > 0 || !fields.empty()) {
            finishField();
            emitRow(startLine, size);
        }
    }

  private:
    struct FieldRef {
        bool inScratch;
        std::size_t begin;
        std::size_t length;
    };

    std::size_t skip(std::size_t i, unsigned char mask) const {
        const std::size_t size = text.size();
        if (mask == structural) {
            // Eight bytes at a time while none of them is a comma, quote, CR or LF.
            while (size - i >= 8) {
                std::uint64_t word;
                std::memcpy(&word, text.data() + i, 8);
                if (hasByte(word, ',') | hasByte(word, '"') | hasByte(word, '\r') |
                    hasByte(word, '\n'))
                    break;
                i += 8;
            }
        }
        while (i < size && !(byteClasses[static_cast<unsigned char>(text[i])] & mask))
            ++i;
        return i;
    }

    static std::uint64_t hasByte(std::uint64_t word, unsigned char byte) {
        constexpr std::uint64_t ones = 0x0101010101010101ULL;
        std::uint64_t x = word ^ (ones * byte);
        return (x - ones) & ~x & (ones << 7);
    }

    std::size_t fieldLength() const {
        return fieldInScratch ? scratch.size() - fieldBegin : fieldEnd - fieldBegin;
    }

    std::string_view fieldText() const {
        return fieldInScratch ? std::string_view(scratch).substr(fieldBegin)
                              : text.substr(fieldBegin, fieldEnd - fieldBegin);
    }

    void append(std::size_t position, std::size_t length) {
        if (!fieldInScratch) {
            if (fieldBegin == fieldEnd) {
                fieldBegin = position;
                fieldEnd = position + length;
                return;
            }
            if (fieldEnd == position) {
                fieldEnd += length;
                return;
            }
            std::string_view sofar = text.substr(fieldBegin, fieldEnd - fieldBegin);
            fieldInScratch = true;
            fieldBegin = scratch.size();
            scratch.append(sofar);
        }
        scratch.append(text.substr(position, length));
    }

    // Remembers how far the field is known to be blank, so that many quotes in one long field
    // don't rescan it each time.
    bool fieldIsBlank() {
        if (fieldHasContent)
            return false;
        std::string_view content = fieldText();
        if (!isAllWhitespace(content.substr(blankCheckedUpTo))) {
            fieldHasContent = true;
            return false;
        }
        blankCheckedUpTo = content.size();
        return true;
    }

    void resetField() {
        fieldInScratch = false;
        fieldBegin = fieldEnd = 0;
        fieldHasContent = false;
        blankCheckedUpTo = 0;
    }

    void clearField() {
        if (fieldInScratch)
            scratch.resize(fieldBegin);
        resetField();
    }

    void finishField() {
        fields.push_back(fieldInScratch ? FieldRef{true, fieldBegin, scratch.size() - fieldBegin}
                                        : FieldRef{false, fieldBegin, fieldEnd - fieldBegin});
        resetField();
    }

    // `end` is the offset just past the row and its line break.
    void emitRow(std::int64_t rowLine, std::size_t end) {
        views.clear();
        for (const FieldRef& ref : fields)
            views.push_back(ref.inScratch ? std::string_view(scratch).substr(ref.begin, ref.length)
                                          : text.substr(ref.begin, ref.length));
        sink(rowLine, std::span<const std::string_view>(views), end);
        fields.clear();
        scratch.clear();
    }

    std::string_view text;
    Sink& sink;
    std::int64_t line = 1;
    std::int64_t startLine = 1;
    std::vector<FieldRef> fields;
    std::vector<std::string_view> views;
    std::string scratch;
    bool fieldInScratch = false;
    std::size_t fieldBegin = 0;
    std::size_t fieldEnd = 0;
    bool fieldHasContent = false;
    std::size_t blankCheckedUpTo = 0;
};

template <typename Sink> void tokenizeInto(std::string_view text, Sink& sink) {
    Tokenizer<Sink>(text, sink).run();
}

std::string quoted(std::string_view field) {
    std::string out;
    out.reserve(field.size() + 2);
    out += '"';
    out += field;
    out += '"';
    return out;
}

// The field as a number of degrees within ±limit; nothing for anything else, NaN included.
std::optional<double> coordinate(std::string_view field, double limit) {
    std::optional<double> degrees = parseNumber(field);
    if (degrees && std::fabs(*degrees) <= limit)
        return degrees;
    return std::nullopt;
}

class RowParser {
  public:
    RowParser(SpeedUnit speedUnit, std::size_t textSize)
        : speedUnit(speedUnit), textSize(textSize) {}

    void operator()(std::int64_t line, std::span<const std::string_view> fields, std::size_t end) {
        consumed = end;
        trimmed.clear();
        bool blank = true;
        for (std::string_view field : fields) {
            std::string_view t = trimWhitespace(field);
            blank = blank && t.empty();
            trimmed.push_back(t);
        }
        if (blank)
            return;
        if (!seenRow) {
            seenRow = true;
            if (trimmed.size() != 1 && !parseNumber(trimmed[0]) && !parseNumber(trimmed[1])) {
                if (auto header = CSVImporter::readHeader(trimmed)) {
                    map = *header;
                    hasDetails = map.hasDetails();
                    return;
                }
            }
        }
        parseData(line);
    }

    ImportResult result;

  private:
    void issue(std::int64_t line, std::string message) {
        result.issues.push_back(ImportIssue{line, std::move(message)});
    }

    void parseData(std::int64_t line) {
        std::size_t needed = std::max({map.longitude, map.latitude, map.name}) + 1;
        if (trimmed.size() < needed) {
            issue(line, "Expected at least " + std::to_string(needed) + " fields, found " +
                            std::to_string(trimmed.size()) + ".");
            return;
        }
        std::optional<double> longitude = coordinate(trimmed[map.longitude], 180);
        if (!longitude) {
            issue(line, "Invalid longitude " + quoted(trimmed[map.longitude]) + ".");
            return;
        }
        std::optional<double> latitude = coordinate(trimmed[map.latitude], 90);
        if (!latitude) {
            issue(line, "Invalid latitude " + quoted(trimmed[map.latitude]) + ".");
            return;
        }
        std::string_view name = trimmed[map.name];
        std::optional<double> speed;
        if (auto split = CSVImporter::parseSpeedSuffix(name)) {
            name = split->name;
            speed = speedUnit == SpeedUnit::milesPerHour ? split->speed * kmhPerMph : split->speed;
        }
        if (name.empty()) {
            issue(line, "Missing name.");
            return;
        }
        std::optional<std::string_view> comment;
        if (map.comment && *map.comment < trimmed.size()) {
            std::string_view text = trimWhitespaceAndNewlines(trimmed[*map.comment]);
            if (!text.empty())
                comment = text;
        }
        if (result.pois.size() == result.pois.capacity())
            reserveMore();
        if (hasDetails) {
            const POIDetails more = details();
            result.pois.add(*latitude, *longitude, name, comment, speed, std::nullopt, &more);
        } else {
            result.pois.add(*latitude, *longitude, name, comment, speed);
        }
    }

    POIDetails details() const {
        return POIDetails{std::string(detail(map.category)),
                          Address{std::string(detail(map.street)), std::string(detail(map.city)),
                                  std::string(detail(map.region)),
                                  std::string(detail(map.postalCode)),
                                  std::string(detail(map.country))},
                          std::string(detail(map.phone))};
    }

    // Rows may be shorter than the header; a missing field is an empty one.
    std::string_view detail(std::optional<std::size_t> column) const {
        if (!column || *column >= trimmed.size())
            return {};
        return trimWhitespaceAndNewlines(trimmed[*column]);
    }

    // Room for POIs is projected from the rate at which the text has yielded them so far, with
    // a little to spare, but never more than 16 times what was found: a uniform file reaches its
    // size in a few steps that move few POIs, rows that yield nothing (blank lines) reserve
    // nothing, and an untypical start cannot claim room out of proportion.
    void reserveMore() {
        constexpr std::size_t smallestCap = 4096;
        constexpr std::size_t growthCap = 16;
        std::size_t found = result.pois.size();
        double perByte = static_cast<double>(found + 1) / static_cast<double>(consumed);
        double projected = perByte * static_cast<double>(textSize) * 1.02 + 16;
        std::size_t most = std::max(found * growthCap, smallestCap);
        std::size_t wanted =
            projected >= static_cast<double>(most) ? most : static_cast<std::size_t>(projected);
        result.pois.reserve(std::max(wanted, found * 2));
    }

    SpeedUnit speedUnit;
    std::size_t textSize;
    std::size_t consumed = 0;
    CSVImporter::ColumnMap map;
    bool hasDetails = false;
    bool seenRow = false;
    std::vector<std::string_view> trimmed;
};

} // namespace

ImportResult CSVImporter::importFile(const std::filesystem::path& path) const {
    return importData(loadFileBytes(path).view());
}

ImportResult CSVImporter::importData(std::string_view bytes) const {
    // Valid UTF-8 is parsed in place; only Windows-1252 text needs a converted copy.
    std::string_view text = withoutByteOrderMark(bytes);
    if (isValidUTF8(text))
        return importText(text);
    std::optional<std::string> decoded = decodeWindows1252(text);
    if (!decoded)
        throw ImportError::unreadableText();
    return importText(*decoded);
}

ImportResult CSVImporter::importText(std::string_view utf8) const {
    RowParser parser(speedUnit, utf8.size());
    tokenizeInto(utf8, parser);
    return std::move(parser.result);
}

std::optional<std::string> CSVImporter::decodeText(std::string_view bytes) {
    return marklode::decodeText(bytes);
}

std::vector<CSVImporter::Row> CSVImporter::tokenize(std::string_view utf8) {
    std::vector<Row> rows;
    auto collect = [&rows](std::int64_t line, std::span<const std::string_view> fields,
                           std::size_t) {
        rows.push_back(Row{line, std::vector<std::string>(fields.begin(), fields.end())});
    };
    tokenizeInto(utf8, collect);
    return rows;
}

std::optional<CSVImporter::ColumnMap>
CSVImporter::readHeader(std::span<const std::string_view> trimmedFields) {
    std::optional<std::size_t> longitude, latitude, name;
    ColumnMap map;
    map.comment.reset();
    for (std::size_t i = 0; i < trimmedFields.size(); ++i) {
        std::optional<POIField> field = poiFieldNamed(trimmedFields[i]);
        if (!field)
            continue;
        // The first column of each name counts.
        auto take = [i](std::optional<std::size_t>& column) {
            if (!column)
                column = i;
        };
        switch (*field) {
        case POIField::longitude:
            take(longitude);
            break;
        case POIField::latitude:
            take(latitude);
            break;
        case POIField::name:
            take(name);
            break;
        case POIField::comment:
            take(map.comment);
            break;
        case POIField::category:
            take(map.category);
            break;
        case POIField::street:
            take(map.street);
            break;
        case POIField::city:
            take(map.city);
            break;
        case POIField::region:
            take(map.region);
            break;
        case POIField::postalCode:
            take(map.postalCode);
            break;
        case POIField::country:
            take(map.country);
            break;
        case POIField::phone:
            take(map.phone);
            break;
        }
    }
    if (!longitude || !latitude || !name)
        return std::nullopt;
    map.longitude = *longitude;
    map.latitude = *latitude;
    map.name = *name;
    return map;
}

std::optional<CSVImporter::SpeedSplit> CSVImporter::parseSpeedSuffix(std::string_view name) {
    const void* found = name.empty() ? nullptr : ::memrchr(name.data(), '@', name.size());
    if (!found)
        return std::nullopt;
    auto at = static_cast<std::size_t>(static_cast<const char*>(found) - name.data());
    std::string_view suffix = trimWhitespace(name.substr(at + 1));
    if (suffix.empty() ||
        !std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    // Too many digits to be finite gives infinity; the writer refuses it later.
    std::optional<double> speed = parseNumber(suffix);
    if (!speed || !(*speed > 0))
        return std::nullopt;
    return SpeedSplit{trimWhitespace(name.substr(0, at)), *speed};
}

} // namespace marklode
