#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

namespace marklode {

// Compares release versions numerically part by part ("1.10" > "1.9", "2" == "2.0").
// Answers nothing when either is not dot-separated decimal numbers.
std::optional<int> compareVersions(QStringView left, QStringView right);

// One release of the update feed, as far as the feed gave it.
struct AppcastItem {
    QString title;
    QString version;      // compared with the running build's number
    QString shortVersion; // shown to the user; the version when the feed gives none
    QString notesHtml;
    QUrl notesLink;
    QString os;
    QUrl url;
    qint64 length = -1;
    QByteArray edSignature; // base64, as in the feed
    bool operator==(const AppcastItem&) const = default;
};

struct AppcastParse {
    std::vector<AppcastItem> items;
    std::optional<QString> error; // the feed as a whole could not be read
};

// Reads an RSS update feed. Feeds come from the network, so a document type declaration (and
// with it any entity definition) is refused rather than expanded; relative addresses resolve
// against `base`.
AppcastParse parseAppcast(QByteArrayView xml, const QUrl& base);

// Whether this program could install the item: for Linux, a numeric version, an https download
// of a known size and a signature.
bool isApplicable(const AppcastItem& item);

// The applicable item with the highest version, whatever the running one.
std::optional<AppcastItem> newestApplicable(const std::vector<AppcastItem>& items);

} // namespace marklode
