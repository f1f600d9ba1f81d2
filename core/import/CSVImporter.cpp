#include "core/import/CSVImporter.h"

#include "core/import/CSVParts.h"
#include "core/import/CSVRowParser.h"
#include "core/import/CSVTokenizer.h"
#include "core/import/FieldNames.h"
#include "core/import/ImportError.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/TextDecoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>

namespace marklode {

namespace {

ImportResult importInOneGo(std::string_view utf8, SpeedUnit speedUnit) {
    csv::RowParser parser(speedUnit, utf8.size());
    csv::tokenizeInto(utf8, parser);
    return std::move(parser.result);
}

} // namespace

std::size_t CSVImporter::partCount() const {
    if (parallelParts > 0)
        return parallelParts;
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 2, 16);
}

ImportResult CSVImporter::importFile(const std::filesystem::path& path) const {
    return importData(loadFileBytes(path).view());
}

ImportResult CSVImporter::importData(std::string_view bytes) const {
    // Valid UTF-8 is parsed in place; only Windows-1252 text needs a converted copy.
    std::string_view text = withoutByteOrderMark(bytes);
    std::optional<bool> validUTF8;
    if (text.size() >= parallelFromBytes) {
        csv::PartsImport parts = csv::importInParts(text, speedUnit, partCount(), true);
        if (parts.result)
            return std::move(*parts.result);
        validUTF8 = parts.validUTF8;
    }
    if (validUTF8 ? *validUTF8 : isValidUTF8(text))
        return importInOneGo(text, speedUnit);
    std::optional<std::string> decoded = decodeWindows1252(text);
    if (!decoded)
        throw ImportError::unreadableText();
    return importText(*decoded);
}

ImportResult CSVImporter::importText(std::string_view utf8) const {
    if (utf8.size() >= parallelFromBytes) {
        csv::PartsImport parts = csv::importInParts(utf8, speedUnit, partCount(), false);
        if (parts.result)
            return std::move(*parts.result);
    }
    return importInOneGo(utf8, speedUnit);
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
    csv::tokenizeInto(utf8, collect);
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
