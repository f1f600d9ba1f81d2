#pragma once

#include <QWidget>

class QToolButton;

namespace marklode::map {

// The map's buttons: zoom in, zoom out and show all, in a column, or in a row where the map is
// too short for the column. The map decides what they do and when they can.
class MapControls : public QWidget {
    Q_OBJECT
  public:
    explicit MapControls(QWidget* parent = nullptr);

    QToolButton* zoomIn() const { return zoomIn_; }
    QToolButton* zoomOut() const { return zoomOut_; }
    QToolButton* showAll() const { return showAll_; }

    void setVertical(bool vertical); // resizes to fit
    static QSize sizeFor(bool vertical);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void updateIcons();

    QToolButton* zoomIn_;
    QToolButton* zoomOut_;
    QToolButton* showAll_;
};

} // namespace marklode::map
