#include "ui/widgets/Popover.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <algorithm>

namespace marklode {

namespace {

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
    QPoint topLeft(globalAnchor.right() - width(), globalAnchor.bottom() + 4);
    if (QScreen* screen = QWidget::screen()) {
        QRect available = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), available.left(), available.right() - width()));
        if (topLeft.y() + height() > available.bottom())
            topLeft.setY(globalAnchor.top() - height() - 4);
    }
    showAt(topLeft);
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
