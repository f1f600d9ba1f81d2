#include "ui/map/TileLoader.h"

#include "support/TempDir.h"
#include "ui/map/TileServer.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace marklode::map;
using marklode::test::TileServer;

namespace {

class TileLoaderTest : public ::testing::Test {
  protected:
    TileSource source() const {
        return {server.urlTemplate(), QStringLiteral("Marklode/0.1.0 (+https://marklode.test)"),
                QString::fromStdString((dir.path() / "tiles").string())};
    }

    marklode::test::TempDir dir;
    TileServer server;
};

TEST_F(TileLoaderTest, FetchesOnceThenServesFromTheDiskCache) {
    const TileKey key{3, 4, 2};
    {
        TileLoader loader(source());
        QSignalSpy loaded(&loader, &TileLoader::tileLoaded);
        loader.setWanted({key});
        ASSERT_TRUE(loaded.wait(5000));
        EXPECT_EQ(loader.tile(key).pixel(10, 10), TileServer::tileColour);
    }
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].path, "/3/4/2.png");
    EXPECT_EQ(server.requests[0].userAgent, "Marklode/0.1.0 (+https://marklode.test)");
    EXPECT_TRUE(server.requests[0].cacheControl.isEmpty()); // never asks to bypass caches

    TileLoader fresh(source()); // an empty memory cache, the same disk cache
    QSignalSpy loaded(&fresh, &TileLoader::tileLoaded);
    fresh.setWanted({key});
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_FALSE(fresh.tile(key).isNull());
    EXPECT_EQ(server.requests.size(), 1u);
}

TEST_F(TileLoaderTest, KeepsFewRequestsInFlightAndCancelsTilesThatLeftTheView) {
    server.respond = [](const QByteArray&) { return 0; }; // never answers
    TileLoader loader(source());
    std::vector<TileKey> view;
    for (int x = 0; x < 10; ++x)
        view.push_back({4, x, 5});
    view.push_back(view.front()); // asked twice, fetched once
    loader.setWanted(view);
    EXPECT_EQ(loader.requestsInFlight(), TileLoader::maxRequestsInFlight);
    QTest::qWait(300);
    EXPECT_EQ(server.requests.size(), std::size_t(TileLoader::maxRequestsInFlight));

    loader.setWanted({{4, 0, 5}, {5, 1, 1}});
    EXPECT_EQ(loader.requestsInFlight(), 2); // the other three went, one new started
    QTest::qWait(300);
    EXPECT_EQ(server.requests.back().path, "/5/1/1.png");
    EXPECT_EQ(server.requests.size(), std::size_t(TileLoader::maxRequestsInFlight) + 1);
}

TEST_F(TileLoaderTest, RetriesAServerErrorLaterButNotAMissingTile) {
    struct Case {
        const char* name;
        int firstStatus;
        bool recovers;
    } cases[] = {{"busy", 503, true}, {"missing", 404, false}};
    for (const auto& c : cases) {
        server.requests.clear();
        int calls = 0;
        server.respond = [&](const QByteArray&) { return calls++ == 0 ? c.firstStatus : 200; };
        TileLoader loader({server.urlTemplate(), QStringLiteral("Marklode/test"), QString()});
        QSignalSpy loaded(&loader, &TileLoader::tileLoaded);
        const TileKey key{2, 1, 1};
        loader.setWanted({key});
        QTest::qWait(400);
        EXPECT_EQ(server.requests.size(), 1u) << c.name << ": no retry at once";
        loader.setWanted({key}); // the view repaints: still not before the backoff
        EXPECT_EQ(loader.requestsInFlight(), 0) << c.name;
        EXPECT_EQ(loaded.wait(2500), c.recovers) << c.name;
        EXPECT_EQ(server.requests.size(), c.recovers ? 2u : 1u) << c.name;
        EXPECT_EQ(loader.tile(key).isNull(), !c.recovers) << c.name;
    }
}

TEST_F(TileLoaderTest, GivesUpOnHostileTileBodiesAndBacksOff) {
    using Answer = TileServer::Answer;
    const auto image = [](int side) {
        Answer answer;
        answer.body = TileServer::png(QSize(side, side));
        return answer;
    };
    const Answer huge = image(4096), odd = image(300);
    const QByteArray httpsOrigin =
        "https://127.0.0.1:" + QByteArray::number(QUrl(server.urlTemplate()).port());
    struct Case {
        const char* name;
        std::function<Answer(const QByteArray& path)> respond;
        std::size_t requestsPerTile;
    } cases[] = {
        {"endless body", [](const QByteArray&) { return Answer::endlessBody(); }, 1},
        {"4096 pixels square", [&](const QByteArray&) { return huge; }, 1},
        {"300 pixels square", [&](const QByteArray&) { return odd; }, 1},
        {"redirect loop", [](const QByteArray& path) { return Answer::redirect(path); },
         1 + TileLoader::maxRedirects},
        {"redirect to https",
         [&](const QByteArray& path) { return Answer::redirect(httpsOrigin + path); }, 1},
    };
    // Two tiles: two huge ones would push each other out of the memory cache. No disk cache, so
    // every attempt reaches the server.
    const std::vector<TileKey> keys{{3, 1, 1}, {3, 2, 1}};
    for (const auto& c : cases) {
        server.requests.clear();
        server.respond = c.respond;
        TileLoader loader({server.urlTemplate(), QStringLiteral("Marklode/test"), QString()});
        const QDeadlineTimer beforeFirstRetry(700);
        loader.setWanted(keys);
        EXPECT_TRUE(QTest::qWaitFor([&] { return loader.requestsInFlight() == 0; }, 3000))
            << c.name;
        QTest::qWait(static_cast<int>(beforeFirstRetry.remainingTime()));
        // A failed tile waits for its back-off rather than being asked for again at once.
        EXPECT_LE(server.requests.size(), keys.size() * c.requestsPerTile) << c.name;
        for (const auto& key : keys)
            EXPECT_TRUE(loader.tile(key).isNull()) << c.name;
    }
}

TEST_F(TileLoaderTest, FollowsATileThatMoved) {
    server.respond = [](const QByteArray& path) -> TileServer::Answer {
        return path.startsWith("/moved/") ? 200 : TileServer::Answer::redirect("/moved" + path);
    };
    TileLoader loader(source());
    QSignalSpy loaded(&loader, &TileLoader::tileLoaded);
    loader.setWanted({{3, 1, 1}});
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_EQ(loader.tile({3, 1, 1}).pixel(10, 10), TileServer::tileColour);
    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[1].userAgent, "Marklode/0.1.0 (+https://marklode.test)");
}

TEST_F(TileLoaderTest, OfflineRequestsNothing) {
    TileLoader loader({QString(), QStringLiteral("Marklode/test"), QString()});
    loader.setWanted({{0, 0, 0}});
    EXPECT_EQ(loader.requestsInFlight(), 0);
    QTest::qWait(100);
    EXPECT_TRUE(server.requests.empty());
}

} // namespace

TEST(TileSource, ComesFromTheEnvironment) {
    const QByteArray saved = qgetenv("MARKLODE_TILE_URL");
    const bool wasSet = qEnvironmentVariableIsSet("MARKLODE_TILE_URL");
    struct Case {
        std::optional<QByteArray> variable;
        QString expected;
    } cases[] = {
        {std::nullopt, QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png")},
        {QByteArray(), QString()}, // set but empty: offline
        {QByteArray("http://localhost:8080/{z}/{x}/{y}.png"),
         QStringLiteral("http://localhost:8080/{z}/{x}/{y}.png")},
    };
    for (const auto& c : cases) {
        if (c.variable)
            qputenv("MARKLODE_TILE_URL", *c.variable);
        else
            qunsetenv("MARKLODE_TILE_URL");
        const TileSource source = TileSource::fromEnvironment(QStringLiteral("Marklode/1 (+x)"));
        EXPECT_EQ(source.urlTemplate, c.expected);
        EXPECT_EQ(source.online(), !c.expected.isEmpty());
    }
    if (wasSet)
        qputenv("MARKLODE_TILE_URL", saved);
    else
        qunsetenv("MARKLODE_TILE_URL");
}
