#include "core/import/POI.h"

#include "core/import/ImportError.h"
#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <gtest/gtest.h>
#include <unordered_set>

using namespace marklode;

TEST(POITest, AbsentAndEmptyCommentDiffer) {
    POI absent{1, 2, "A", std::nullopt, std::nullopt, std::nullopt};
    POI empty = absent;
    empty.comment = "";
    EXPECT_NE(absent, empty);
    EXPECT_FALSE(absent.hasAlert());
}

TEST(POITest, HasAlertWithSpeedOrProximity) {
    POI speed{0, 0, "S", std::nullopt, 50.0, std::nullopt};
    POI proximity{0, 0, "P", std::nullopt, std::nullopt, 0.0};
    EXPECT_TRUE(speed.hasAlert());
    EXPECT_TRUE(proximity.hasAlert());
}

TEST(POITest, EqualPOIsHashAlikeIncludingSignedZero) {
    POI a{0.0, 1, "A", "c", 2.0, std::nullopt};
    POI b{-0.0, 1, "A", "c", 2.0, std::nullopt};
    ASSERT_EQ(a, b);
    EXPECT_EQ(POIHash{}(a), POIHash{}(b));
    std::unordered_set<POI> set{a, b, POI{0, 1, "A", "c", std::nullopt, 2.0}};
    EXPECT_EQ(set.size(), 2u);
}

TEST(POITest, KeyedFormHasOnlyPresentKeysAndRoundTrips) {
    POI plain{46.95, 7.45, "Bern", std::nullopt, std::nullopt, std::nullopt};
    KeyedForm form = encode(plain);
    ASSERT_EQ(form.size(), 3u);
    EXPECT_EQ(form[0].first, "latitude");
    EXPECT_EQ(form[1].first, "longitude");
    EXPECT_EQ(form[2].first, "name");
    EXPECT_EQ(decodePOI(form), plain);

    POI full{1, 2, "N", "C", 80.4672, 250};
    KeyedForm fullForm = encode(full);
    ASSERT_EQ(fullForm.size(), 6u);
    EXPECT_EQ(fullForm[3].first, "comment");
    EXPECT_EQ(fullForm[4].first, "speedKmh");
    EXPECT_EQ(fullForm[5].first, "proximityMeters");
    EXPECT_EQ(decodePOI(fullForm), full);
}

TEST(POITest, DetailsCompareByValueAndAppearOnlyWhenSet) {
    POI poi{1, 2, "Fuel", std::nullopt, std::nullopt, std::nullopt};
    poi.setDetails({});
    EXPECT_EQ(poi.details, nullptr);
    POIDetails details{"Stations", {.street = "Main St 1", .postalCode = "3011"}, "+41 31 000"};
    poi.setDetails(details);
    POI same{1, 2, "Fuel", std::nullopt, std::nullopt, std::nullopt};
    same.setDetails(details);
    EXPECT_EQ(poi, same);
    EXPECT_EQ(POIHash{}(poi), POIHash{}(same));

    KeyedForm form = encode(poi);
    ASSERT_EQ(form.size(), 6u);
    EXPECT_EQ(form[3].first, "category");
    EXPECT_EQ(form[4].second,
              KeyedValue(KeyedFields{{"street", "Main St 1"}, {"postalCode", "3011"}}));
    EXPECT_EQ(form[5].first, "phone");
    EXPECT_EQ(decodePOI(form), poi);
    same.setDetails({.category = "Other"});
    EXPECT_NE(poi, same);
}

TEST(POITest, DecodingNeedsThePlainKeysWithTheirTypes) {
    EXPECT_THROW(decodePOI({{"latitude", 1.0}, {"longitude", 2.0}}), POIDecodingError);
    try {
        decodePOI({{"latitude", 1.0}, {"longitude", std::string("x")}, {"name", std::string("n")}});
        FAIL();
    } catch (const POIDecodingError& error) {
        EXPECT_EQ(error, (POIDecodingError{POIDecodingError::Reason::wrongType, "longitude"}));
    }
}

TEST(POITest, IssueTextAndErrorEquality) {
    EXPECT_EQ((ImportIssue{12, "Missing name."}.text()), "Line 12: Missing name.");
    EXPECT_EQ((ImportIssue{3, "Not a point.", ImportIssue::Place::feature}.text()),
              "Feature 3: Not a point.");
    EXPECT_EQ(ImportError::invalidXML(0, "x"), ImportError::invalidXML(0, "x"));
    EXPECT_NE(ImportError::invalidXML(1, "x"), ImportError::invalidXML(1, "y"));
    EXPECT_NE(ImportError::invalidXML(1, "x"), ImportError::unreadableText());
    EXPECT_DOUBLE_EQ(50 * kmhPerMph, 80.4672);
}
