#include "ui/shell/UpdateDialog.h"

#include "support/LocalHttpsServer.h"
#include "support/ReleaseKeys.h"
#include "support/TempDir.h"
#include "ui/shell/AppUpdater.h"
#include "ui/shell/ReleaseNotesView.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

class UpdateDialogTest : public ::testing::Test {
  protected:
    // A feed that offers version 7 ("2.0") with the package signed as `signature` says.
    std::unique_ptr<AppUpdater> updater(const QByteArray& signature,
                                        LocalHttpsServer::Response feed = {}) {
        QUrl packageUrl = server.url("/pool/marklode_2.0_amd64.deb");
        if (feed.body.isEmpty())
            feed.body = "<rss xmlns:sparkle='https://marklode.example/u'><channel><item>"
                        "<sparkle:version>7</sparkle:version>"
                        "<sparkle:shortVersionString>2.0</sparkle:shortVersionString>"
                        "<description><![CDATA[<p>Faster maps</p>]]></description>"
                        "<enclosure url='" +
                        packageUrl.toEncoded() + "' length='" + QByteArray::number(package.size()) +
                        "' sparkle:os='linux' sparkle:edSignature='" + signature +
                        "'/></item></channel></rss>";
        server.serve("/appcast.xml", feed);
        server.serve("/pool/marklode_2.0_amd64.deb", {package});
        AppConfig config = AppConfig::from({{"SUFeedURL", server.url("/appcast.xml").toString()},
                                            {"SUPublicEDKey", keys.publicKeyBase64()}});
        UpdaterEnvironment environment;
        environment.buildVersion = "6";
        environment.shownVersion = "1.9";
        environment.downloadFolder = downloads();
        environment.timeout = std::chrono::milliseconds(500);
        environment.ssl = server.clientConfiguration();
        environment.actions.openUrl = [this](const QUrl& url) { opened.push_back(url); };
        environment.actions.revealFile = [this](const Path& file) { revealed.push_back(file); };
        return std::make_unique<AppUpdater>(config, false, settings, environment);
    }

    QString downloads() const { return QString::fromStdString((dir / "Downloads").string()); }

    static bool waitForTitle(AppUpdater& updater, const QString& title) {
        return QTest::qWaitFor(
            [&] { return updater.dialog() && updater.dialog()->title() == title; }, 10000);
    }

    static QStringList buttons(UpdateDialog& dialog) {
        QStringList texts;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isVisibleTo(&dialog))
                texts << button->text();
        texts.sort();
        return texts;
    }

    static void press(UpdateDialog& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    }

    TempDir dir;
    QSettings settings{QString::fromStdString((dir / "settings.ini").string()),
                       QSettings::IniFormat};
    LocalHttpsServer server;
    ReleaseKeys keys;
    QByteArray package = QByteArray(300000, 'd');
    std::vector<QUrl> opened;
    std::vector<Path> revealed;
};

TEST_F(UpdateDialogTest, AVerifiedUpdateIsOfferedToTheInstallerAndTheFileManager) {
    auto app = updater(keys.sign(package));
    ASSERT_TRUE(app->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->canCheckForUpdates(); }, 1000));
    app->checkForUpdates();
    EXPECT_FALSE(app->canCheckForUpdates());
    EXPECT_EQ(app->dialog()->title(), "Checking for updates\u2026");
    ASSERT_TRUE(waitForTitle(*app, "Marklode 2.0 is available"));
    UpdateDialog& dialog = *app->dialog();
    EXPECT_TRUE(dialog.message().startsWith("You have Marklode 1.9."))
        << dialog.message().toStdString();
    EXPECT_TRUE(dialog.findChild<QTextBrowser*>()->toPlainText().contains("Faster maps"));
    EXPECT_EQ(buttons(dialog), QStringList({"Download", "Not Now"}));
    const int offerHeight = dialog.height();

    press(dialog, "Download");
    EXPECT_FALSE(app->canCheckForUpdates());
    ASSERT_TRUE(waitForTitle(*app, "Marklode 2.0 is ready to install"));
    // Without the notes the dialog shrinks to what it shows, leaving no gap under the heading.
    EXPECT_LT(dialog.height(), offerHeight);
    EXPECT_NEAR(dialog.height(), dialog.sizeHint().height(), 4);
    EXPECT_TRUE(app->canCheckForUpdates());
    QString kept = QDir(downloads()).filePath("marklode_2.0_amd64.deb");
    EXPECT_EQ(dialog.message(),
              "The download was verified and saved as \u201Cmarklode_2.0_amd64.deb\u201D in " +
                  downloads() + ".");
    EXPECT_TRUE(opened.empty());
    press(dialog, "Show in File Manager");
    EXPECT_EQ(revealed, std::vector<Path>{Path(kept.toStdString())});
    press(dialog, "Open with Package Installer");
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(kept)});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(UpdateDialogTest, EveryOtherEndIsToldInTheDialogAndNothingIsOpened) {
    struct Case {
        const char* name;
        QByteArray signature; // empty: the right one
        LocalHttpsServer::Response feed;
        bool download;
        QString title;
        QString messageStart;
    };
    const Case cases[] = {
        {"older than the build",
         {},
         {"<rss><channel><item><sparkle:version>5</sparkle:version></item></channel></rss>"},
         false,
         "You're up to date",
         "Marklode 1.9 is the newest version available."},
        {"server silent",
         {},
         {"", 200, LocalHttpsServer::Mode::silent},
         false,
         "Couldn't check for updates",
         "The update server didn't answer in time."},
        {"signed by someone else",
         ReleaseKeys().sign(package),
         {},
         true,
         "The update couldn't be verified",
         "The download is not signed with Marklode's release key, so it was deleted."},
    };
    for (const Case& c : cases) {
        auto app = updater(c.signature.isEmpty() ? keys.sign(package) : c.signature, c.feed);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app->canCheckForUpdates(); }, 1000));
        app->checkForUpdates();
        if (c.download) {
            ASSERT_TRUE(waitForTitle(*app, "Marklode 2.0 is available")) << c.name;
            press(*app->dialog(), "Download");
        }
        ASSERT_TRUE(waitForTitle(*app, c.title))
            << c.name << ": " << app->dialog()->title().toStdString();
        EXPECT_TRUE(app->dialog()->message().startsWith(c.messageStart))
            << c.name << ": " << app->dialog()->message().toStdString();
        EXPECT_EQ(buttons(*app->dialog()), QStringList{"Close"}) << c.name;
        EXPECT_TRUE(app->canCheckForUpdates()) << c.name;
        EXPECT_TRUE(
            QDir(downloads()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            << c.name;
        EXPECT_TRUE(opened.empty()) << c.name;
    }
}

// Notes come from whoever serves the feed: what they name is never loaded, and notes that would
// take long to lay out are shown as their text.
TEST(ReleaseNotesViewTest, ShowsNotesWithoutLoadingAnythingOrLayingOutHostileHtml) {
    TempDir dir;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString local = QString::fromStdString((dir / "local.png").string());
    ASSERT_TRUE(picture.save(local));
    struct Case {
        const char* name;
        QString html;
        QString text;
        bool bold; // the last word, when shown as HTML
    };
    const Case cases[] = {
        {"ordinary", "<p>Faster <b>maps</b></p>", "Faster maps", true},
        {"a local image", "<p>Look <img src=\"" + local + "\"><b>here</b></p>",
         QString::fromUtf16(u"Look \uFFFChere"), true},
        {"nested deeper than notes need",
         QString("<div>").repeated(ReleaseNotesView::maxNesting + 1) + "<b>deep</b>", "deep",
         false},
        {"too long", "<p title='>'>" + QString("a&amp;b ").repeated(100000) + "</p>",
         QString("a&b ").repeated(100000).trimmed().first(ReleaseNotesView::maxPlainLength) +
             u'\u2026',
         false},
    };
    for (const Case& c : cases) {
        ReleaseNotesView view;
        view.showNotes(c.html);
        EXPECT_EQ(view.toPlainText(), c.text) << c.name;
        QTextCursor end(view.document());
        end.movePosition(QTextCursor::End);
        EXPECT_EQ(end.charFormat().fontWeight() == QFont::Bold, c.bold) << c.name;
        view.document()->size(); // lays out, which asks for the images
        QVariant image =
            view.document()->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(local));
        EXPECT_TRUE(image.value<QImage>().isNull() && image.value<QByteArray>().isEmpty())
            << c.name;
    }
}

} // namespace
