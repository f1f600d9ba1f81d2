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

TEST(NaturalOrderTest, RanksAnyTextsAndOnlyTheSameTextsShareARank) {
    struct Case {
        const char* locale;
        std::vector<const char*> texts;
        std::vector<std::uint32_t> ranks;
    };
    const Case cases[] = {
        {"en_US", {"P10", "P2", "p1", "P2", ""}, {3, 2, 1, 2, 0}},
        // Equal but for case or leading zeros: told apart, the same way every time.
        {"C", {"a", "A", "07", "7", "b"}, {3, 2, 0, 1, 4}},
        {"de_DE", {"Z\u00FCrich 10", "Zurich 9", "zurich 10"}, {2, 0, 1}},
    };
    for (const Case& c : cases) {
        std::vector<QString> texts;
        for (const char* text : c.texts)
            texts.push_back(QString::fromUtf8(text));
        EXPECT_EQ(naturalRanks(texts, QLocale(QString::fromLatin1(c.locale))), c.ranks) << c.locale;
    }
}

} // namespace
