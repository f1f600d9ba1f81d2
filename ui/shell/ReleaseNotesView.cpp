#include "ui/shell/ReleaseNotesView.h"

namespace marklode {

namespace {

// Elements that never hold others, or whose end the HTML parser implies; they add no depth.
bool addsNoDepth(QStringView name) {
    for (QStringView flat : {u"br", u"hr", u"img", u"meta", u"link", u"input", u"p", u"li", u"dt",
                             u"dd", u"tr", u"td", u"th", u"option"})
        if (name.compare(flat, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The text between the tags and the deepest nesting of elements, as far as a plain scan can
// tell; a tag's quoted attribute values may hold '>'.
struct ScannedHtml {
    QString text;
    int nesting = 0;
};

ScannedHtml scan(QStringView html) {
    ScannedHtml scanned;
    scanned.text.reserve(html.size());
    int depth = 0;
    for (qsizetype i = 0; i < html.size();) {
        if (html[i] != u'<') {
            scanned.text += html[i++];
            continue;
        }
        qsizetype end = i + 1;
        QChar quote;
        while (end < html.size() && (!quote.isNull() || html[end] != u'>')) {
            if (quote.isNull() && (html[end] == u'"' || html[end] == u'\''))
                quote = html[end];
            else if (html[end] == quote)
                quote = QChar();
            ++end;
        }
        QStringView tag = html.mid(i + 1, end - i - 1);
        bool closing = tag.startsWith(u'/');
        QStringView name = closing ? tag.mid(1) : tag;
        qsizetype nameLength = 0;
        while (nameLength < name.size() && name[nameLength].isLetterOrNumber())
            ++nameLength;
        name = name.first(nameLength);
        if (!name.isEmpty() && !tag.endsWith(u'/') && !addsNoDepth(name)) {
            depth = closing ? std::max(0, depth - 1) : depth + 1;
            scanned.nesting = std::max(scanned.nesting, depth);
        }
        i = end + 1;
    }
    return scanned;
}

} // namespace

ReleaseNotesView::ReleaseNotesView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
}

void ReleaseNotesView::showNotes(const QString& html) {
    ScannedHtml scanned = scan(html);
    if (html.size() <= maxHtmlLength && scanned.nesting <= maxNesting) {
        setHtml(html);
        return;
    }
    QString text = scanned.text.trimmed();
    for (auto [entity, character] : {std::pair{u"&lt;", u'<'},
                                     {u"&gt;", u'>'},
                                     {u"&quot;", u'"'},
                                     {u"&#39;", u'\''},
                                     {u"&nbsp;", u' '},
                                     {u"&amp;", u'&'}})
        text.replace(QString::fromUtf16(entity), QChar(character));
    if (text.size() > maxPlainLength)
        text = text.first(maxPlainLength) + u'\u2026';
    setPlainText(text);
}

QVariant ReleaseNotesView::loadResource(int, const QUrl&) {
    // Not null: a null answer lets the document open local files itself.
    return QVariant(QByteArray());
}

} // namespace marklode
