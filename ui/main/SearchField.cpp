#include "ui/main/SearchField.h"

#include "ui/detail/FileDetailView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace marklode {

SearchField::SearchField(const QLocale& locale, QWidget* parent)
    : QWidget(parent), locale_(locale) {
    setObjectName(QStringLiteral("searchBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("searchCount"));
    count_->setForegroundRole(QPalette::PlaceholderText);
    count_->hide();
    field_ = new QLineEdit;
    field_->setObjectName(QStringLiteral("search"));
    field_->setPlaceholderText(tr("Search POIs"));
    field_->setAccessibleName(field_->placeholderText());
    field_->setClearButtonEnabled(true);
    field_->setMaximumWidth(240);
    field_->installEventFilter(this);
    // Room the toolbar gives beyond the field's widest goes to the left, so that the field stays
    // at the end and the count beside it.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    row->addStretch(1);
    row->addWidget(count_);
    row->addWidget(field_, 1000);
    setFocusProxy(field_);
    connect(field_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (view_)
            view_->setSearch(text);
        showCount();
    });
}

void SearchField::setView(FileDetailView* view) {
    disconnect(matches_);
    view_ = view;
    {
        QSignalBlocker quiet(field_);
        field_->clear();
    }
    if (view)
        matches_ = connect(view, &FileDetailView::matchesChanged, this, &SearchField::showCount);
    showCount();
}

void SearchField::showCount() {
    // Only while searching: without a search every row matches, as the title says.
    const bool searching = view_ && !field_->text().trimmed().isEmpty();
    const QString text = searching ? tr("%1 of %2")
                                         .arg(locale_.toString(qulonglong(view_->matchCount())),
                                              locale_.toString(qulonglong(view_->poiCount())))
                                   : QString();
    count_->setText(text);
    count_->setAccessibleName(text);
    // Heard with the field, where the focus is while typing.
    field_->setAccessibleDescription(text);
    count_->setVisible(searching);
}

bool SearchField::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched == field_ && key &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::Key_Escape) &&
        !field_->text().isEmpty()) {
        // Taken before any window shortcut; an empty field lets Escape go on.
        if (event->type() == QEvent::KeyPress)
            field_->clear();
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace marklode
