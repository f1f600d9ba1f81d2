#include "rules/LocaleRegion.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace marklode;

TEST(LocaleRegionTest, UnitsFollowTheLocaleNamedForMeasurement) {
    struct Case {
        const char* all;
        const char* measurement;
        const char* lang;
        const char* region;
    } cases[] = {
        {"", "", "en_US.UTF-8", "US"},      {"", "", "en", ""},
        {"", "en_US", "de_DE.UTF-8", "US"}, {"C", "en_US", "en_US", ""},
        {"de_AT@euro", "", "en_US", "AT"},  {"", "", "", ""},
    };
    const char* variables[] = {"LC_ALL", "LC_MEASUREMENT", "LANG"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(variables[i]))
            saved[i] = value;
    for (const Case& c : cases) {
        const char* values[] = {c.all, c.measurement, c.lang};
        for (int i = 0; i < 3; ++i)
            ::setenv(variables[i], values[i], 1);
        EXPECT_EQ(regionOfLocaleName(measurementLocaleName()), c.region) << c.lang;
    }
    for (int i = 0; i < 3; ++i)
        saved[i] ? ::setenv(variables[i], saved[i]->c_str(), 1) : ::unsetenv(variables[i]);
}
