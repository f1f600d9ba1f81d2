#pragma once

#include <string_view>

namespace marklode {

// Puts Marklode's texts, and Qt's own, in the desktop's language (LANGUAGE, else LC_ALL,
// LC_MESSAGES or LANG); English, with its plural forms, where there is no translation. Call once
// at start-up, after the application object if there is one, before any other thread runs.
void useDesktopLanguage();

// The same for one language named as a locale names it ("de", "fr_FR", "en"): for tests.
void useLanguage(std::string_view language);

} // namespace marklode
