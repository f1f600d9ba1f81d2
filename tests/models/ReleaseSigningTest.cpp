#include "models/ReleaseSignature.h"
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace marklode;

namespace {

QByteArray runSignTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(MARKLODE_SIGN_TOOL), arguments);
    EXPECT_TRUE(tool.waitForFinished(20000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput().trimmed();
}

} // namespace

// What the publishing instructions produce is what the program accepts, and only for that file.
TEST(ReleaseSigningTest, TheShippedSigningCommandMakesSignaturesTheCheckerAccepts) {
    marklode::test::TempDir dir;
    QString key = QString::fromStdString((dir / "release.pem").string());
    std::string content(70000, 'p');
    QString file = QString::fromStdString(dir.write("marklode_2_amd64.deb", content).string());

    std::optional<QByteArray> publicKey =
        decodePublicKey(runSignTool({QStringLiteral("key"), key}));
    ASSERT_TRUE(publicKey.has_value());
    EXPECT_EQ(decodePublicKey(runSignTool({QStringLiteral("public"), key})), publicKey);
    QByteArray attributes = runSignTool({QStringLiteral("sign"), key, file});
    EXPECT_TRUE(attributes.startsWith("length=\"70000\" sparkle:edSignature=\""))
        << attributes.data();
    QByteArray signature = attributes.split('"').value(3);

    EXPECT_TRUE(signatureMatches(QByteArray::fromStdString(content), signature, *publicKey));
    // A signature of the wrong length is refused, not read past its end.
    EXPECT_FALSE(
        signatureMatches(QByteArray::fromStdString(content), "bm90IGEgc2lnbmF0dXJl", *publicKey));
    // A second key is never made over the first.
    QProcess again;
    again.start(QStringLiteral(MARKLODE_SIGN_TOOL), {QStringLiteral("key"), key});
    again.waitForFinished(20000);
    EXPECT_NE(again.exitCode(), 0);
}
