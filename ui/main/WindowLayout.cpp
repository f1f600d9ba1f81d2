#include "ui/main/WindowLayout.h"

#include <QEvent>
#include <QHeaderView>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QWidget>

namespace marklode {

namespace {

const QString layoutGroup = QStringLiteral("layout/");

} // namespace

WindowLayout::WindowLayout(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), geometryChanged_(new QTimer(this)) {
    geometryChanged_->setSingleShot(true);
    geometryChanged_->setInterval(300);
    connect(geometryChanged_, &QTimer::timeout, this, [this] {
        if (window_)
            settings_.setValue(layoutGroup + windowKey_, window_->saveGeometry());
    });
}

void WindowLayout::keepGeometry(QWidget& window, const QString& key) {
    window_ = &window;
    windowKey_ = key;
    window.restoreGeometry(settings_.value(layoutGroup + key).toByteArray());
    window.installEventFilter(this);
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        geometryChanged_->start();
    // Quitting may come before the pause.
    if (watched == window_ && event->type() == QEvent::Close)
        settings_.setValue(layoutGroup + windowKey_, window_->saveGeometry());
    return QObject::eventFilter(watched, event);
}

void WindowLayout::keep(QSplitter& splitter, const QString& key) {
    splitter.restoreState(settings_.value(layoutGroup + key).toByteArray());
    connect(&splitter, &QSplitter::splitterMoved, this, [this, &splitter, key] {
        settings_.setValue(layoutGroup + key, splitter.saveState());
    });
}

void WindowLayout::keep(QHeaderView& header, const QString& key) {
    header.restoreState(settings_.value(layoutGroup + key).toByteArray());
    auto save = [this, &header, key] { settings_.setValue(layoutGroup + key, header.saveState()); };
    connect(&header, &QHeaderView::sectionResized, this, save);
    connect(&header, &QHeaderView::sectionMoved, this, save);
    connect(&header, &QHeaderView::sortIndicatorChanged, this, save);
}

} // namespace marklode
