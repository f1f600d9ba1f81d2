#pragma once

#include <QObject>
#include <QString>

class QHeaderView;
class QSettings;
class QSplitter;
class QTimer;
class QWidget;

namespace marklode {

// The window's shape as the user left it, kept in the settings across launches: the window's
// size and place, the splitters, the table's columns and sort. Each part is put back when it is
// kept and saved whenever it changes, so a view made afresh (each file's detail) opens as the
// last one was left.
class WindowLayout : public QObject {
    Q_OBJECT
  public:
    WindowLayout(QSettings& settings, QObject* parent = nullptr);

    void keepGeometry(QWidget& window, const QString& key);
    void keep(QSplitter& splitter, const QString& key);
    void keep(QHeaderView& header, const QString& key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSettings& settings_;
    QWidget* window_ = nullptr;
    QString windowKey_;
    // Moving and resizing come as many events; the geometry is written once they pause.
    QTimer* geometryChanged_;
};

} // namespace marklode
