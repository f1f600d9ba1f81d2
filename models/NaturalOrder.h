#pragma once

#include "core/io/FileSystem.h"

#include <QLocale>
#include <vector>

namespace marklode {

// Sorts by file name as a file manager does: digits compared as numbers, letter case ignored,
// so "stop 2" comes before "Stop 10".
void sortByNaturalName(std::vector<Path>& paths, const QLocale& locale);

} // namespace marklode
