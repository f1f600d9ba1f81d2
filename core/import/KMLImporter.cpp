#include "core/import/KMLImporter.h"

#include "core/import/KMLDocument.h"
#include "core/io/ReadFile.h"

namespace marklode {

ImportResult KMLImporter::importFile(const std::filesystem::path& path) const {
    return importData(loadFileBytes(path).view());
}

ImportResult KMLImporter::importData(std::string_view bytes) const {
    if (XMLEventParser::isBlank(bytes))
        return {};
    KMLDocument document(false);
    XMLEventParser(document, ImportError::Document::kml).parseAll(bytes);
    return document.finish().result;
}

} // namespace marklode
