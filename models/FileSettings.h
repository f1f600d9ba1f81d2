#pragma once

#include "core/import/SpeedUnit.h"
#include "core/io/FileSystem.h"
#include "rules/ExportSettings.h"

#include <QString>
#include <optional>
#include <vector>

namespace marklode {

struct IconSource {
    enum class Kind { sidecar, custom, builtIn };
    Kind kind = Kind::builtIn;
    Path url;

    static IconSource sidecar(Path url) { return {Kind::sidecar, std::move(url)}; }
    static IconSource custom(Path url) { return {Kind::custom, std::move(url)}; }
    static IconSource builtIn() { return {}; }
    bool operator==(const IconSource&) const = default;
};

// What the user chose for one file. Kept when the file is read again, and brought back with it
// when its removal is undone or the program starts again.
struct FileSettings {
    QString categoryName;
    CategoryMode categoryMode = CategoryMode::oneForFile;
    SpeedUnit speedUnit = SpeedUnit::kilometersPerHour;
    ProximityMode proximityMode = ProximityMode::fromFile;
    DistanceUnit distanceUnit = DistanceUnit::meters;
    double fixedProximity = defaultFixedProximity;
    IconSource iconSource;
    bool operator==(const FileSettings&) const = default;
};

// A file of the library as it is listed again later: where it is and what was chosen for it.
struct ListedFile {
    Path url;
    FileSettings settings;
    bool operator==(const ListedFile&) const = default;
};

// The library as the user left it: its files in order and the selected one.
struct SavedLibrary {
    std::vector<ListedFile> files;
    std::optional<std::size_t> selected;
    bool operator==(const SavedLibrary&) const = default;
};

} // namespace marklode
