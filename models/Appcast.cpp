#include "models/Appcast.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace marklode {

namespace {

// The digits of each part without leading zeros, trailing zero parts dropped.
std::optional<std::vector<QStringView>> versionParts(QStringView version) {
    std::vector<QStringView> parts;
    for (QStringView part : version.split(u'.')) {
        if (part.isEmpty() ||
            !std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        while (part.size() > 1 && part.front() == u'0')
            part = part.mid(1);
        parts.push_back(part);
    }
    while (!parts.empty() && parts.back() == u"0")
        parts.pop_back();
    return parts;
}

// Which feed field a text element fills.
QString* textField(AppcastItem& item, QStringView name) {
    if (name == u"title")
        return &item.title;
    if (name == u"sparkle:version")
        return &item.version;
    if (name == u"sparkle:shortVersionString")
        return &item.shortVersion;
    if (name == u"sparkle:os")
        return &item.os;
    return nullptr;
}

void readEnclosure(const QXmlStreamAttributes& attributes, const QUrl& base, AppcastItem& item) {
    if (attributes.hasAttribute(QStringLiteral("url")))
        item.url =
            base.resolved(QUrl(attributes.value(QStringLiteral("url")).toString().trimmed()));
    bool ok = false;
    qint64 length = attributes.value(QStringLiteral("length")).toLongLong(&ok);
    item.length = ok ? length : -1;
    item.edSignature =
        attributes.value(QStringLiteral("sparkle:edSignature")).toString().trimmed().toLatin1();
    // Older feeds put these on the enclosure; the item's own elements win.
    if (item.os.isEmpty())
        item.os = attributes.value(QStringLiteral("sparkle:os")).toString();
    if (item.version.isEmpty())
        item.version = attributes.value(QStringLiteral("sparkle:version")).toString();
    if (item.shortVersion.isEmpty())
        item.shortVersion =
            attributes.value(QStringLiteral("sparkle:shortVersionString")).toString();
}

AppcastItem readItem(QXmlStreamReader& reader, const QUrl& base) {
    AppcastItem item;
    while (reader.readNextStartElement()) {
        QStringView name = reader.qualifiedName();
        if (QString* field = textField(item, name)) {
            *field = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (name == u"description") {
            item.notesHtml = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == u"sparkle:releaseNotesLink") {
            item.notesLink = base.resolved(
                QUrl(reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed()));
        } else if (name == u"enclosure") {
            readEnclosure(reader.attributes(), base, item);
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    if (item.shortVersion.isEmpty())
        item.shortVersion = item.version;
    return item;
}

} // namespace

std::optional<int> compareVersions(QStringView left, QStringView right) {
    auto a = versionParts(left);
    auto b = versionParts(right);
    if (!a || !b)
        return std::nullopt;
    for (std::size_t i = 0; i < std::max(a->size(), b->size()); ++i) {
        QStringView x = i < a->size() ? (*a)[i] : u"0";
        QStringView y = i < b->size() ? (*b)[i] : u"0";
        // Without leading zeros the longer number is the larger, at any length.
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        if (int order = x.compare(y); order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}

AppcastParse parseAppcast(QByteArrayView xml, const QUrl& base) {
    AppcastParse result;
    QXmlStreamReader reader(xml.toByteArray());
    // Matched by prefix, so that any namespace address the publisher declares is accepted.
    reader.setNamespaceProcessing(false);
    bool sawRoot = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            result.error = QStringLiteral("document type declarations are not allowed");
            result.items.clear();
            return result;
        case QXmlStreamReader::StartElement:
            if (!sawRoot && reader.qualifiedName() != u"rss") {
                result.error = QStringLiteral("not an RSS feed");
                return result;
            }
            sawRoot = true;
            if (reader.qualifiedName() == u"item")
                result.items.push_back(readItem(reader, base));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        result.error =
            QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
        result.items.clear();
    } else if (!sawRoot) {
        result.error = QStringLiteral("the feed is empty");
    }
    return result;
}

bool isApplicable(const AppcastItem& item) {
    return item.os == u"linux" && compareVersions(item.version, item.version).has_value() &&
           item.url.isValid() && item.url.scheme() == u"https" && !item.url.host().isEmpty() &&
           item.length > 0 && !item.edSignature.isEmpty();
}

std::optional<AppcastItem> newestApplicable(const std::vector<AppcastItem>& items) {
    std::optional<AppcastItem> newest;
    for (const AppcastItem& item : items)
        if (isApplicable(item) && (!newest || compareVersions(item.version, newest->version) > 0))
            newest = item;
    return newest;
}

} // namespace marklode
