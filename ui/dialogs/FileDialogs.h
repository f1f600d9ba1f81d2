#pragma once

#include <QDBusConnection>
#include <QFileDialog>
#include <QWidget>
#include <optional>

namespace marklode {

class InputFile;
class LibraryViewModel;

// The four modal file dialogs. Each hands its result to the library or the input file and
// returns when it closes; the work it starts runs afterwards. Cancelling changes nothing.
void presentAddFilesPanel(LibraryViewModel& library, QWidget* parent);
// Where Qt's dialogs would be the desktop portal's chooser, which can't take folders and files
// alike, the Add panel asks the portal itself, on the bus given (the session bus by default),
// and shows Qt's own dialog only where the portal can't be asked.
void presentAddFilesPanel(LibraryViewModel& library, QWidget* parent,
                          const std::optional<QDBusConnection>& portalBus);
void presentSaveFilePanel(InputFile& file, LibraryViewModel& library, QWidget* parent);
void presentSaveAllPanel(LibraryViewModel& library, QWidget* parent);
// One .gpi with a category per file, as a device gets it, proposed as the device names it.
void presentSaveCombinedPanel(LibraryViewModel& library, QWidget* parent);
void presentIconPanel(InputFile& file, QWidget* parent);

// Qt's own dialog, asked for existing files, opens a folder that is chosen (selected or typed)
// instead of choosing it; this one takes folders and files alike. Native dialogs choose
// what they choose. No Q_OBJECT: Qt offers the native dialog only to classes named
// QFileDialog.
class FilesAndFoldersDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;
    void accept() override;
};

// "stops.csv" proposes "stops.gpi": only the last extension is replaced.
QString proposedGPIName(const InputFile& file);

} // namespace marklode
