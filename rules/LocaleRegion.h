#pragma once

#include <string>
#include <string_view>

namespace marklode {

// The region of a POSIX locale name: "en_US.UTF-8" gives "US"; "en", "C" and "POSIX" give none.
// Qt's locales can't answer this, since they fill in a likely region ("en" reads as en_US).
std::string regionOfLocaleName(std::string_view name);

// The name of the locale that governs measurement units: LC_ALL, else LC_MEASUREMENT, else
// LANG; empty when none is set.
std::string measurementLocaleName();

} // namespace marklode
