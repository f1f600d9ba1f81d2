#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QEventLoop;

namespace marklode {

// What the desktop's file chooser is asked for: existing files, with one checkbox beside them.
struct FileChooserRequest {
    // "x11:<hex id>", or empty where the chooser can't be told which window it belongs to.
    QString parentWindow;
    QString title;
    QString acceptLabel;
    // As QFileDialog takes them: "Name (*.a *.b)".
    QStringList nameFilters;
    bool multiple = false;
    // Empty: no checkbox.
    QString checkboxLabel;

    bool operator==(const FileChooserRequest&) const = default;
};

struct FileChooserAnswer {
    // Unavailable: the chooser isn't on the bus, failed, or left before answering, so the
    // caller shows a dialog of its own.
    enum Outcome { chosen, cancelled, unavailable };

    Outcome outcome = unavailable;
    QStringList paths;
    bool checked = false;

    bool operator==(const FileChooserAnswer&) const = default;
};

// Whether Qt's own file dialogs are the desktop portal's: the platform theme asked for is the
// portal's, or the app runs sandboxed, where only the portal reaches the user's files.
bool fileDialogsUsePortal();

// The desktop's file chooser portal on the session bus.
class FileChooserPortal : public QObject {
    Q_OBJECT
  public:
    explicit FileChooserPortal(QDBusConnection bus);

    // Shows the chooser and returns once the user has answered, running the event loop
    // meanwhile as a modal dialog does.
    FileChooserAnswer openFiles(const FileChooserRequest& request);

  private Q_SLOTS:
    void receive(uint response, const QVariantMap& results);

  private:
    void listen(const QString& requestPath);

    QDBusConnection bus_;
    QString listening_;
    FileChooserAnswer answer_;
    QEventLoop* waiting_ = nullptr;
};

} // namespace marklode
