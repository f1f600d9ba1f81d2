#include "translations/DesktopLanguage.h"

#include <gtest/gtest.h>

namespace {

// The tests read the English texts, with their singulars, whatever the machine's language.
class EnglishTexts : public ::testing::Environment {
  public:
    void SetUp() override { marklode::useLanguage("en"); }
};

const auto* const englishTexts = ::testing::AddGlobalTestEnvironment(new EnglishTexts);

} // namespace
