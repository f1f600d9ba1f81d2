#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIWriter.h"
#include "core/import/ImportIssue.h"
#include "core/import/POI.h"
#include "rules/ProximityRule.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marklode {

struct POIRow {
    std::int64_t id = 0; // the POI's position in the import result
    POI poi;
    bool operator==(const POIRow&) const = default;
};

// What one import of a file produced. Never changed once made, so that saves and sends can
// read it on other threads while the file shows it.
struct ImportedContents {
    std::vector<POIRow> rows;
    std::vector<std::string> searchKeys; // parallel to rows
    std::vector<ImportIssue> issues;
};

// Everything a file's .gpi is built from. Taken on the main thread without copying a POI; the
// bytes are built from it on any thread.
struct FileExport {
    std::string categoryName;
    std::optional<GPIIcon> icon;
    ProximitySettings proximity;
    std::shared_ptr<const ImportedContents> contents;

    std::size_t poiCount() const { return contents->rows.size(); }
    // Each POI is copied once, with the proximity rule applied.
    std::vector<POI> effectivePOIs() const;
    GPICategory category() const;
    // Both throw FixedProximityError for a distance the settings can't hold.
    // This file alone as a .gpi file. Throws GPIWriterError.
    Bytes gpiData() const;
};

// The combined device file: one category per file, in the given order. Throws GPIWriterError
// and FixedProximityError.
Bytes deviceFileData(const std::vector<FileExport>& files);

} // namespace marklode
