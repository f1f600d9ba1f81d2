#pragma once

#include "core/io/FileSystem.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

namespace marklode {

// The order a file manager lists names in: runs of digits compared as numbers, letter case
// ignored, the rest by the locale's collation, so "stop 2" comes before "Stop 10" and "P2" before
// "P10". Texts the order holds equal ("a" and "A", "7" and "07") are told apart by their
// characters, so that every sort of them comes out the same.

// Each text's place in that order, from 0; only identical texts share a place. Compares each
// distinct piece of text with the collator once, so a million names take a fraction of a second,
// still too long for the main thread.
std::vector<std::uint32_t> naturalRanks(const std::vector<QString>& texts, const QLocale& locale);

// Sorts by file name in that order.
void sortByNaturalName(std::vector<Path>& paths, const QLocale& locale);

} // namespace marklode
