#include "ui/widgets/Popover.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <algorithm>

namespace marklode {

namespace {

constexpr int gap = 4;

QRect placeBelow(const QRect& anchor, QSize size, const QRect& available) {
    int x = anchor.x() + anchor.width() - size.width();
    // Only slid into the screen it would part from its anchor and lie over the anchor's row.
    if (x < available.left())
        x = anchor.left();
    x = std::max(available.left(), std::min(x, available.x() + available.width() - size.width()));
    int y = anchor.y() + anchor.height() + gap;
    int above = anchor.top() - gap - size.height();
    if (y + size.height() > available.y() + available.height() && above >= available.top())
        y = above;
    return QRect(QPoint(x, y), size);
}

QWidget* firstControl(QWidget* window) {
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
            widget->isVisibleTo(window) && window->isAncestorOf(widget))
            return widget;
    return nullptr;
}

} // namespace

Popover::Popover(const QString& title, QWidget* opener)
    : QDialog(opener, Qt::Dialog | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setAccessibleName(title);
}

void Popover::showBelow(const QRect& globalAnchor) {
    adjustSize();
    QScreen* screen = QGuiApplication::screenAt(globalAnchor.center());
    if (!screen)
        screen = QWidget::screen();
    showAt(placeBelow(globalAnchor, size(), screen->availableGeometry()).topLeft());
}

void Popover::showAt(const QPoint& globalTopLeft) {
    returnFocus_ = QApplication::focusWidget();
    if (!returnFocus_)
        returnFocus_ = parentWidget();
    adjustSize();
    move(globalTopLeft);
    show();
    QWidget* first = firstControl(this);
    if (!first) {
        // Text alone: the popover holds the focus itself, so that its name and text are read.
        setFocusPolicy(Qt::StrongFocus);
        first = this;
    }
    first->setFocus(Qt::PopupFocusReason);
    activateWindow();
}

void Popover::reject() {
    QPointer<QWidget> back = returnFocus_;
    QDialog::reject();
    if (back) {
        back->activateWindow();
        back->setFocus(Qt::PopupFocusReason);
    }
}

bool Popover::event(QEvent* event) {
    // A click elsewhere closes it, as it would a popup; the focus stays where the click put it
    // (closing rejects, which would otherwise give it back).
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        returnFocus_ = nullptr;
        close();
    }
    return QDialog::event(event);
}

void Popover::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::StyledPanel;
    frame.lineWidth = 1;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
}

} // namespace marklode
