#pragma once

#include <QDialog>
#include <QPointer>

namespace marklode {

// A small frameless window beside the control that opened it, its child. It is a dialog rather
// than a Qt::Popup, which the accessibility tree leaves out and which keeps the focus where it
// was, so a screen reader would never hear that it opened. It takes the focus (itself when it
// holds only text), closes on Escape or when another window becomes active, and Escape gives the
// focus back to where it was when it opened.
class Popover : public QDialog {
    Q_OBJECT
  public:
    Popover(const QString& title, QWidget* opener);

    // Shows it just below the anchor (global), right edges aligned; left edges aligned when that
    // would leave the screen, and above the anchor when there is no room below.
    void showBelow(const QRect& globalAnchor);
    // Shows it with its top-left corner there.
    void showAt(const QPoint& globalTopLeft);

    void reject() override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override; // the border a frameless window lacks

  private:
    QPointer<QWidget> returnFocus_;
};

} // namespace marklode
