#pragma once

#include <QDialog>
#include <vector>

class QAction;
class QMainWindow;
class QTreeWidget;

namespace marklode {

// Help ▸ Keyboard Shortcuts: every key of a window. The commands are read from the window's
// menu bar and its own actions each time the list opens, so a command given a key anywhere
// shows by itself; the keys that are no command (in the list of files and devices, on the map)
// follow them.
class ShortcutsWindow : public QDialog {
    Q_OBJECT
  public:
    struct Entry {
        QString section; // the menu's title, "General" for the window's own actions
        QString command;
        QString keys;
        bool operator==(const Entry&) const = default;
    };

    explicit ShortcutsWindow(QMainWindow& window);

    // The menu entry (Ctrl+?) that opens the list for `window`, or brings the open one forward.
    static QAction* createAction(QMainWindow& window);
    static ShortcutsWindow* open(QMainWindow& window);

    // What the list shows, in its order.
    static std::vector<Entry> entries(QMainWindow& window);

    QTreeWidget* list() const { return list_; }

  private:
    void fill();

    QMainWindow& window_;
    QTreeWidget* list_;
};

} // namespace marklode
