#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace marklode::backups {

// The device's folder below the backup root: always one plain path component.
std::string deviceFolderName(std::string_view displayName);

// yyyy-MM-dd_HH-mm-ss in the computer's time zone.
std::string stamp(std::chrono::system_clock::time_point time);

// The time a backup folder's name was stamped with, read in the computer's time zone; none
// when the name is no stamp or names a date that doesn't exist.
std::optional<std::chrono::system_clock::time_point> stampTime(std::string_view name);

bool isBackupFolderName(std::string_view name);

// Orders stamps with numeric suffixes: ...-00-9 before ...-00-10.
std::string sortKey(std::string_view name);

} // namespace marklode::backups
