#include "models/Appcast.h"

#include <QCoreApplication>
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

// Real feeds nest a handful of elements; release notes as HTML inside CDATA add none.
constexpr int maxDepth = 64;

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

// The text element of an item being read: where its text goes and whether the text of its
// child elements counts (it does for the notes, whose HTML may come as elements).
struct OpenField {
    enum class Kind { plain, notes, notesLink } kind = Kind::plain;
    QString* target = nullptr;
    int depth = 0;
    QString text;
};

// Reads the feed one token at a time, never recursing, so a hostile feed's nesting costs
// nothing but the depth check.
class FeedReader {
  public:
    FeedReader(QByteArrayView xml, const QUrl& base) : reader_(xml.toByteArray()), base_(base) {
        // Matched by prefix, so that any namespace address the publisher declares is accepted.
        reader_.setNamespaceProcessing(false);
    }

    AppcastParse read() {
        while (!reader_.atEnd() && !result_.error) {
            switch (reader_.readNext()) {
            case QXmlStreamReader::DTD:
                result_.error = QCoreApplication::translate(
                    "Appcast", "document type declarations are not allowed");
                break;
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::Characters:
                if (field_ && (field_->kind == OpenField::Kind::notes || depth_ == field_->depth))
                    field_->text += reader_.text();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            default:
                break;
            }
        }
        if (!result_.error && reader_.hasError())
            result_.error =
                //: Where the update feed stopped making sense, then the reader's own description.
                QCoreApplication::translate("Appcast", "line %1: %2")
                    .arg(QString::number(reader_.lineNumber()), reader_.errorString());
        else if (!result_.error && depth_ < 0)
            result_.error = QCoreApplication::translate("Appcast", "the feed is empty");
        if (result_.error)
            result_.items.clear();
        return std::move(result_);
    }

  private:
    void startElement() {
        if (depth_ < 0) {
            if (reader_.qualifiedName() != u"rss") {
                result_.error = QCoreApplication::translate("Appcast", "not an RSS feed");
                return;
            }
            depth_ = 0;
        }
        if (++depth_ > maxDepth) {
            result_.error =
                QCoreApplication::translate("Appcast", "line %1: elements nested deeper than %2")
                    .arg(reader_.lineNumber())
                    .arg(maxDepth);
            return;
        }
        QStringView name = reader_.qualifiedName();
        if (field_ || (item_ && depth_ > itemDepth_ + 1))
            return;
        if (!item_) {
            if (name == u"item") {
                item_.emplace();
                itemDepth_ = depth_;
            }
        } else if (QString* target = textField(*item_, name)) {
            field_.emplace(OpenField{OpenField::Kind::plain, target, depth_, {}});
        } else if (name == u"description") {
            field_.emplace(OpenField{OpenField::Kind::notes, &item_->notesHtml, depth_, {}});
        } else if (name == u"sparkle:releaseNotesLink") {
            field_.emplace(OpenField{OpenField::Kind::notesLink, nullptr, depth_, {}});
        } else if (name == u"enclosure") {
            readEnclosure(reader_.attributes(), base_, *item_);
        }
    }

    void endElement() {
        if (field_ && depth_ == field_->depth) {
            switch (field_->kind) {
            case OpenField::Kind::plain:
                *field_->target = field_->text.trimmed();
                break;
            case OpenField::Kind::notes:
                *field_->target = field_->text;
                break;
            case OpenField::Kind::notesLink:
                item_->notesLink = base_.resolved(QUrl(field_->text.trimmed()));
                break;
            }
            field_.reset();
        } else if (item_ && depth_ == itemDepth_) {
            if (item_->shortVersion.isEmpty())
                item_->shortVersion = item_->version;
            result_.items.push_back(std::move(*item_));
            item_.reset();
        }
        --depth_;
    }

    QXmlStreamReader reader_;
    QUrl base_;
    AppcastParse result_;
    int depth_ = -1; // before the root element
    std::optional<AppcastItem> item_;
    int itemDepth_ = 0;
    std::optional<OpenField> field_;
};

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
    return FeedReader(xml, base).read();
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
