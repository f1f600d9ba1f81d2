#include "core/import/KMZImporter.h"

#include "core/import/ImportError.h"
#include "core/import/KMLDocument.h"
#include "core/import/ZipArchive.h"
#include "core/io/ReadFile.h"
#include "core/text/TextClasses.h"

#include <map>
#include <optional>

namespace marklode {

namespace {

using Problem = ImportError::InvalidKMZ::Problem;

bool endsWithKML(std::string_view name) {
    return name.size() > 4 && lowercased(name.substr(name.size() - 4)) == ".kml";
}

const ZipArchive::Entry* documentEntry(const ZipArchive& archive) {
    const ZipArchive::Entry* first = nullptr;
    for (const ZipArchive::Entry& entry : archive.files()) {
        if (entry.name.find('/') != std::string::npos || !endsWithKML(entry.name))
            continue;
        if (lowercased(entry.name) == "doc.kml")
            return &entry;
        if (!first)
            first = &entry;
    }
    return first;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        int high = text[i] == '%' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The archive entry an icon href names, relative to the document's folder; nothing for remote
// or absolute references and for any that climb out of the archive.
std::optional<std::string> entryNamed(std::string_view href, std::string_view documentName) {
    if (href.empty() || href.find("://") != std::string_view::npos)
        return std::nullopt;
    std::string_view folder = documentName.substr(0, documentName.rfind('/') + 1);
    std::string decoded = percentDecoded(href);
    if (decoded.starts_with('/'))
        return std::nullopt;
    return ZipArchive::safeName(std::string(folder) + decoded);
}

} // namespace

ImportResult KMZImporter::importFile(const std::filesystem::path& path) const {
    return importData(loadFileBytes(path).view());
}

ImportResult KMZImporter::importData(std::string_view bytes) const {
    ZipArchive archive(bytes);
    const ZipArchive::Entry* documentFile = documentEntry(archive);
    if (!documentFile)
        throw ImportError::invalidKMZ(Problem::noDocument);

    KMLDocument document(true);
    XMLEventParser parser(document, ImportError::Document::kmlInKMZ);
    ZipArchive::ReadEnd end =
        archive.read(documentFile->index, limits.documentBytes,
                     [&](std::string_view piece) { parser.parse(piece, false); });
    if (end == ZipArchive::ReadEnd::overLimit)
        throw ImportError::invalidKMZ(Problem::documentTooLarge, limits.documentBytes);
    if (end == ZipArchive::ReadEnd::damaged)
        throw ImportError::invalidKMZ(Problem::damaged);
    parser.parse({}, true);

    KMLDocument::Contents contents = document.finish();
    std::map<std::string, const ZipArchive::Entry*> entries;
    for (const ZipArchive::Entry& entry : archive.files())
        entries.try_emplace(entry.name, &entry);
    for (auto& [category, href] : contents.categoryIcons) {
        std::optional<std::string> name = entryNamed(href, documentFile->name);
        auto found = name ? entries.find(*name) : entries.end();
        if (found == entries.end())
            continue;
        std::vector<std::uint8_t> image;
        auto append = [&](std::string_view piece) {
            image.insert(image.end(), piece.begin(), piece.end());
        };
        // An image that is too large or damaged leaves its category with the default icon.
        if (archive.read(found->second->index, limits.imageBytes, append) ==
            ZipArchive::ReadEnd::complete)
            contents.result.categoryImages.push_back(CategoryImage{category, std::move(image)});
    }
    return std::move(contents.result);
}

} // namespace marklode
