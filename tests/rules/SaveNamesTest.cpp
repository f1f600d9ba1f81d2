#include "rules/SaveNames.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(SaveNamesTest, CountUpIgnoringCase) {
    SaveNames names;
    EXPECT_EQ(names.next("route"), "route.gpi");
    EXPECT_EQ(names.next("route"), "route 2.gpi");
    EXPECT_EQ(names.next("Route"), "Route 3.gpi");
    EXPECT_EQ(names.next("route 2"), "route 2 2.gpi");
    EXPECT_EQ(names.next("Ärger"), "Ärger.gpi");
    EXPECT_EQ(names.next("ärger"), "ärger 2.gpi");
}
