#pragma once

#include <QWidget>

namespace marklode {

class LibraryViewModel;

// The empty detail column: a dashed zone that takes dropped files and folders, with an
// "Add Files…" button. Highlighted in the accent colour while a drag hovers over it.
class DropZone : public QWidget {
    Q_OBJECT
  public:
    explicit DropZone(LibraryViewModel& library, QWidget* parent = nullptr);
    bool isTargeted() const { return isTargeted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void setTargeted(bool targeted);

    LibraryViewModel& library_;
    bool isTargeted_ = false;
};

// Hands dropped URLs, unchanged and in order, to the library's add, started from the event
// loop; accepted exactly when there are some.
bool addDroppedURLs(LibraryViewModel& library, const QList<QUrl>& urls);

} // namespace marklode
