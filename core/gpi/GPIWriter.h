#pragma once

#include "core/gpi/GPIEncoding.h"
#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIWriterError.h"
#include "core/import/POIStore.h"
#include "core/io/FileSystem.h"
#include "core/io/LocalFileSystem.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marklode {

struct GPICategory {
    std::string name;
    POIStore pois;
    // Absent means GPIIcon::defaultIcon().
    std::optional<GPIIcon> icon;

    bool operator==(const GPICategory&) const = default;
};

// Builds the bytes of a whole custom-POI file. Holds only its settings; every call starts
// from scratch, so one writer may be used from several threads.
struct GPIWriter {
    static constexpr std::size_t maxWaypointsPerArea = 128;
    // One 16-bit bitmap id per category.
    static constexpr std::size_t maxCategories = 65536;
    // A category record's length fields are 32-bit; no other record comes near that.
    static constexpr std::uint64_t maxCategoryLength = UINT32_MAX;
    using TimePoint = std::chrono::system_clock::time_point;
    // From this many POIs on (in a category, or in the file) the area split and the writing use
    // a second thread. The bytes are the same either way; tests lower it.
    static inline std::size_t parallelFromPOIs = 50'000;

    std::string categoryName;
    std::string languageCode;
    std::string creatorName;
    std::optional<GPIIcon> icon;
    // Absent means the time of writing.
    std::optional<TimePoint> timestamp;

    // The file for these categories in this order. Throws GPIWriterError; nothing is produced
    // then. categoryName and icon are not used.
    Bytes data(const std::vector<GPICategory>& categories) const;
    // The file for one category: categoryName, these POIs and icon.
    Bytes dataFor(const POIStore& pois) const;
    // dataFor, written to a temporary file beside `path` that then replaces it, so a failed
    // write leaves whatever was at `path` untouched. Validation errors are thrown before any
    // file is touched; file-system errors pass through unchanged.
    void write(const POIStore& pois, const Path& path,
               const FileSystem& fileSystem = LocalFileSystem{}) const;

    // Windows-1252 when every category name (trimmed) and every POI's name, comment, address
    // and phone number convert to it without loss, else UTF-8.
    static GPIEncoding encoding(const std::vector<GPICategory>& categories);
    GPIEncoding encodingFor(const POIStore& pois) const;

    // Degrees to the file's signed 32-bit units, rounded half away from zero and clamped, so
    // +180 becomes 2147483647.
    static std::int32_t semicircles(double degrees);
};

} // namespace marklode
