#pragma once

#include <QTextBrowser>

namespace marklode {

// Release notes from the update feed, which anyone on the network path of a mirror may have
// written: they are shown, but nothing they name is loaded (no local file, no network), links
// open only when clicked, and notes too large or too deeply nested to lay out in a moment are
// shown as their plain text.
class ReleaseNotesView : public QTextBrowser {
    Q_OBJECT
  public:
    // Laying out HTML grows with the square of its nesting (20,000 levels took 12 s).
    static constexpr int maxNesting = 32;
    static constexpr qsizetype maxHtmlLength = 64 * 1024;
    static constexpr qsizetype maxPlainLength = 64 * 1024;

    explicit ReleaseNotesView(QWidget* parent = nullptr);

    void showNotes(const QString& html);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace marklode
