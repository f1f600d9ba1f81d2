#include "translations/DesktopLanguage.h"

namespace marklode {

// Built without Qt, the command line has no catalogs to read and speaks the source language.
void useDesktopLanguage() {}

void useLanguage(std::string_view) {}

} // namespace marklode
