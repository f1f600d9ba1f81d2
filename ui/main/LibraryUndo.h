#pragma once

#include "models/FileSettings.h"

#include <QObject>
#include <QUndoStack>
#include <QUuid>
#include <unordered_map>

namespace marklode {

class InputFile;
class LibraryViewModel;

// What the user does to the library that can be taken back: taking files off the list and each
// change of a file's settings, named for the Edit menu. Files are found again by their paths,
// since a file put back on the list is a new one.
class LibraryUndo : public QObject {
    Q_OBJECT
  public:
    LibraryUndo(LibraryViewModel& library, QObject* parent = nullptr);

    QUndoStack* stack() { return &stack_; }
    // "Remove from List", as one step.
    void remove(const QUuid& id);
    // "Close All": every file off the list, as one step.
    void removeAll();

  private:
    class RemoveFiles;
    class ChangeSettings;
    void follow(InputFile* file);
    void settingsChanged(InputFile* file);
    void apply(const Path& url, const FileSettings& settings);

    LibraryViewModel& library_;
    QUndoStack stack_;
    // The settings of each file as last seen, so that a change knows what it changed from.
    std::unordered_map<const InputFile*, FileSettings> seen_;
    bool applying_ = false;
};

} // namespace marklode
