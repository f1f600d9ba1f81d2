#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIWriter.h"
#include "core/import/POI.h"
#include "rules/ExportSettings.h"
#include "rules/FileCategories.h"
#include "rules/ImportedContents.h"
#include "rules/ProximityRule.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marklode {

// Everything a file's .gpi is built from. Taken on the main thread without copying a POI; the
// bytes are built from it on any thread.
struct FileExport {
    std::string categoryName;
    std::optional<GPIIcon> icon;
    ProximitySettings proximity;
    std::shared_ptr<const ImportedContents> contents;
    CategoryMode categoryMode = CategoryMode::oneForFile;

    std::size_t poiCount() const { return contents->pois.size(); }
    // Each POI is copied once, with the proximity rule applied.
    POIStore effectivePOIs() const;
    // The categories the file makes in its mode, in order, with their POI counts; never empty.
    // Copies no POI.
    std::vector<CategoryCount> categoryCounts() const;
    // Those categories with their effective POIs, each POI copied once, and their icons: the
    // one the source gave a category, else the file's.
    std::vector<GPICategory> categories() const;
    // Both throw FixedProximityError for a distance the settings can't hold.
    // This file alone as a .gpi file, holding its categories. Throws GPIWriterError.
    Bytes gpiData() const;
};

// The categories FileExport::categories builds, straight from an import that is written once
// and not kept: its POIs are moved rather than copied, so a large file costs no second copy.
// Throws FixedProximityError.
std::vector<GPICategory> exportedCategories(std::string categoryName, std::optional<GPIIcon> icon,
                                            const ProximitySettings& proximity, POIStore pois,
                                            CategoryMode mode,
                                            const std::vector<CategoryIcon>& sourceIcons);

// The combined device file: each file's categories, files in the given order. Throws
// GPIWriterError and FixedProximityError.
Bytes deviceFileData(const std::vector<FileExport>& files);

} // namespace marklode
