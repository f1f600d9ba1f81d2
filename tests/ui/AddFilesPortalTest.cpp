#include "WindowFixture.h"
#include "support/PrivateBus.h"
#include "ui/dialogs/FileDialogs.h"

#include <QApplication>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <optional>

using namespace marklode;
using namespace marklode::test;

namespace {

// The Add panel where Qt's dialogs would be the desktop portal's, with a mock portal on a
// private bus.
class AddFilesPortalTest : public WindowFixture {
  protected:
    void SetUp() override {
        window->show();
        if (auto unavailable = bus.start())
            GTEST_SKIP() << *unavailable;
    }
    void TearDown() override { bus.stop(); }

    std::vector<std::string> added() const {
        std::vector<std::string> names;
        for (InputFile* file : library->files())
            names.push_back(file->url().lexically_relative(dir.path()).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    PrivateBus bus;
};

TEST_F(AddFilesPortalTest, AddsTheChosenFilesOrTheirFoldersAndFallsBackToQtsDialog) {
    for (const char* name :
         {"one/a.csv", "one/b.csv", "one/c.csv", "two/x.csv", "two/y.csv", "three/z.csv"})
        dir.write(name, oneRow);
    const std::string folder = "file://" + dir.path().string();
    const auto expectedOptions = QJsonDocument::fromJson(R"json({
        "parent_window": "",
        "title": "Choose .csv, .gpx, .kml, .kmz or .geojson files, or a folder that contains them.",
        "options": {
            "accept_label": "Add", "multiple": true, "modal": true,
            "filters": [["CSV, GPX, KML, KMZ or GeoJSON files (*.csv *.CSV *.gpx *.GPX *.kml *.KML *.kmz *.KMZ *.geojson *.GEOJSON *.json *.JSON)",
                         [[0, "*.csv"], [0, "*.CSV"], [0, "*.gpx"], [0, "*.GPX"],
                          [0, "*.kml"], [0, "*.KML"], [0, "*.kmz"], [0, "*.KMZ"],
                          [0, "*.geojson"], [0, "*.GEOJSON"], [0, "*.json"], [0, "*.JSON"]]],
                        ["All files (*)", [[0, "*"]]]],
            "choices": [["checkbox", "Add the folders instead of the files chosen in them", [],
                         "false"]]}})json");

    struct Case {
        const char* name;
        std::optional<std::string> portal; // the mock portal's answer; none: no portal
        bool portalLeaves;                 // ...with its chooser open
        std::vector<std::string> added;    // "three/z.csv" comes from Qt's own dialog
    };
    const Case cases[] = {
        {"two files",
         R"({"response": 0, "uris": [")" + folder + R"(/one/a.csv", ")" + folder +
             R"(/one/b.csv"], "choices": [["checkbox", "false"]]})",
         false,
         {"one/a.csv", "one/b.csv"}},
        {"one file, checkbox on",
         R"({"response": 0, "uris": [")" + folder +
             R"(/two/x.csv"], "choices": [["checkbox", "true"]]})",
         false,
         {"two/x.csv", "two/y.csv"}},
        {"cancelled", R"({"response": 1})", false, {}},
        {"no portal", std::nullopt, false, {"three/z.csv"}},
        {"portal leaves", R"({})", true, {"three/z.csv"}},
    };
    for (const Case& c : cases) {
        for (InputFile* file : QList(library->files()))
            library->remove(file->id());
        Path log = dir / (std::string(c.name) + ".log");
        if (c.portal) {
            ASSERT_TRUE(bus.startMock(
                {QStringLiteral("-t"),
                 QStringLiteral(MARKLODE_TEST_DATA "/app/file_chooser_mock.py"),
                 QStringLiteral("-p"), QString::fromStdString(*c.portal)},
                log, QStringLiteral("org.freedesktop.portal.Desktop"),
                QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("OpenFile")))
                << c.name;
        }

        // Stands in for the user: whatever dialog of Qt's own comes up chooses three/z.csv.
        std::optional<bool> modalWhileAsking;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modalWhileAsking)
                modalWhileAsking = modal && !qobject_cast<QFileDialog*>(modal);
            if (c.portalLeaves && readText(log).find("options ") != std::string::npos)
                bus.stopMock();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                // Typed, since the name field has the focus and selectFile leaves it alone then.
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QString::fromStdString((dir / "three/z.csv").string()));
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        user.start(20);
        presentAddFilesPanel(*library, window.get(), QDBusConnection(PrivateBus::name));
        user.stop();
        // Then a moment more, for whatever would be added besides.
        (void)QTest::qWaitFor([&] { return added().size() == c.added.size(); }, 5000);
        QTest::qWait(100);
        EXPECT_EQ(added(), c.added) << c.name;

        if (c.portal) {
            EXPECT_EQ(modalWhileAsking, true) << c.name << ": the window takes no input meanwhile";
            std::string sent = readText(log);
            auto at = sent.find("options ");
            ASSERT_NE(at, std::string::npos) << c.name;
            sent = sent.substr(at + 8, sent.find('\n', at) - at - 8);
            EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(sent)), expectedOptions)
                << c.name << ": " << sent;
        }
        bus.stopMock();
    }
}

} // namespace
