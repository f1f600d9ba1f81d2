#include "core/gpi/GPIWriter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace marklode;

namespace {

// Lowers the writer's threshold for a second thread for one scope.
class ParallelFrom {
  public:
    explicit ParallelFrom(std::size_t pois) : saved_(GPIWriter::parallelFromPOIs) {
        GPIWriter::parallelFromPOIs = pois;
    }
    ~ParallelFrom() { GPIWriter::parallelFromPOIs = saved_; }
    ParallelFrom(const ParallelFrom&) = delete;
    ParallelFrom& operator=(const ParallelFrom&) = delete;

  private:
    std::size_t saved_;
};

enum Texts { accented, cyrillic };

// POIs with every kind of child record: comments (some empty), alerts, addresses and phones, and
// duplicate coordinates, whose order only the tie-breaks decide.
POIStore pois(std::size_t count, Texts texts, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> latitude(35, 70), longitude(-10, 30);
    POIStore store;
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = (texts == cyrillic ? "Место " : "Café ") + std::to_string(i);
        POI poi{latitude(random), longitude(random), name,
                std::nullopt,     std::nullopt,      std::nullopt};
        if (i % 9 == 4)
            poi.latitude = 50.5;
        if (i % 3 == 0)
            poi.comment = i % 6 == 0 ? "Geöffnet 9–17" : "";
        if (i % 7 == 0)
            poi.speedKmh = static_cast<double>(i % 130);
        if (i % 11 == 0)
            poi.proximityMeters = static_cast<double>(i);
        if (i % 13 == 0)
            poi.setDetails({"",
                            {.street = "Hauptstraße " + std::to_string(i), .city = "Zürich"},
                            i % 2 ? "+41 44" : ""});
        store.push_back(poi);
    }
    return store;
}

} // namespace

TEST(GPIWriterThreadsTest, TwoThreadsWriteTheSameBytesAsOne) {
    constexpr std::size_t threshold = 400;
    const struct {
        const char* what;
        std::vector<GPICategory> categories;
    } cases[] = {
        {"one category just below", {{"A", pois(threshold - 1, accented, 1), std::nullopt}}},
        {"one category at", {{"A", pois(threshold, accented, 2), std::nullopt}}},
        {"one category above, UTF-8", {{"A", pois(threshold + 1, cyrillic, 3), std::nullopt}}},
        {"one large category", {{"A", pois(5000, accented, 4), std::nullopt}}},
        {"small categories that are large together",
         {{"A", pois(150, accented, 5), std::nullopt},
          {"B", pois(150, cyrillic, 6), std::nullopt},
          {"C", pois(150, accented, 7), std::nullopt}}},
        {"a large category between an empty and a small one",
         {{"Empty", {}, std::nullopt},
          {"Large", pois(3000, accented, 8), std::nullopt},
          {"Small", pois(3, accented, 9), std::nullopt}}},
    };
    GPIWriter writer{"", "EN", "Marklode", std::nullopt,
                     GPIWriter::TimePoint(std::chrono::seconds(1700000000))};
    for (const auto& c : cases) {
        Bytes oneThread;
        {
            ParallelFrom never(SIZE_MAX);
            oneThread = writer.data(c.categories);
        }
        ParallelFrom lowered(threshold);
        EXPECT_TRUE(writer.data(c.categories) == oneThread) << c.what;
    }
}

TEST(GPIWriterThreadsTest, TheFirstFaultyPOIIsReportedAsInOnePass) {
    const POIStore valid = pois(1000, accented, 10);
    std::vector<POI> faulty(valid.begin(), valid.end());
    faulty[300].latitude = 91;    // in the first half
    faulty[700].longitude = -181; // in the second
    faulty[800].speedKmh = -1;
    GPIWriter writer{"A", "EN", "Marklode", std::nullopt, std::nullopt};
    ParallelFrom lowered(400);
    for (std::size_t firstFault : {300, 700}) {
        POIStore store(
            std::vector<POI>(faulty.begin() + (firstFault == 700 ? 301 : 0), faulty.end()));
        try {
            (void)writer.dataFor(store);
            ADD_FAILURE() << firstFault;
        } catch (const GPIWriterError& error) {
            const POI& expected = faulty[firstFault];
            EXPECT_EQ(error, GPIWriterError::invalidCoordinate(expected.name, expected.latitude,
                                                               expected.longitude))
                << firstFault;
        }
    }
}
