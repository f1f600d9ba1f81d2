#include "models/NaturalOrder.h"

#include <gtest/gtest.h>

using namespace marklode;

namespace {

TEST(NaturalOrderTest, NumbersCountByValueAndCaseIsIgnoredUnderEveryLocale) {
    const std::vector<Path> expected{
        "a.csv",
        "a1.csv",
        "stop 2.csv",
        "Stop 10.csv",
        "x1.csv",
        "X9.csv",
        "x10.csv",
        "x99999999999999999999.csv",
        "x100000000000000000000.csv",
    };
    for (const char* name : {"C", "en_US", "de_DE", "sv_SE"}) {
        std::vector<Path> paths(expected.rbegin(), expected.rend());
        std::swap(paths[1], paths[4]);
        sortByNaturalName(paths, QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(paths, expected) << name;
    }
}

} // namespace
