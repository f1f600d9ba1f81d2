#include "ui/main/LibraryUndo.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"

#include <QUndoCommand>

namespace marklode {

namespace {

enum CommandID { settingsCommand = 1 };

// The Edit menu's name for a change, by the first setting it changed.
QString changeText(const FileSettings& before, const FileSettings& after) {
    if (before.categoryName != after.categoryName)
        return LibraryUndo::tr("Change Category Name");
    if (before.categoryMode != after.categoryMode)
        return LibraryUndo::tr("Change Categories");
    if (before.speedUnit != after.speedUnit)
        return LibraryUndo::tr("Change Speed Unit");
    if (before.proximityMode != after.proximityMode)
        return LibraryUndo::tr("Change Proximity Alerts");
    if (before.distanceUnit != after.distanceUnit)
        return LibraryUndo::tr("Change Distance Unit");
    if (before.fixedProximity != after.fixedProximity)
        return LibraryUndo::tr("Change Distance");
    return LibraryUndo::tr("Change Icon");
}

} // namespace

// Files taken off the list together, from one position on; undone, they come back there with
// their settings, and the file that was selected is selected again.
class LibraryUndo::RemoveFiles : public QUndoCommand {
  public:
    RemoveFiles(LibraryViewModel& library, const QString& text) : library_(library) {
        setText(text);
    }

    void add(const InputFile& file, qsizetype position, bool selected) {
        if (files_.empty())
            position_ = position;
        if (selected)
            selected_ = files_.size();
        files_.push_back({file.url(), file.settings()});
    }
    bool isEmpty() const { return files_.empty(); }

    void redo() override {
        for (const ListedFile& file : files_)
            if (InputFile* listed = library_.listedFile(file.url))
                library_.remove(listed->id());
    }
    void undo() override { library_.relist(files_, position_, selected_.value_or(0)); }

  private:
    LibraryViewModel& library_;
    std::vector<ListedFile> files_;
    qsizetype position_ = 0;
    std::optional<std::size_t> selected_;
};

// One file's settings before and after; a name typed letter by letter is one change.
class LibraryUndo::ChangeSettings : public QUndoCommand {
  public:
    ChangeSettings(LibraryUndo& owner, Path url, FileSettings before, FileSettings after)
        : owner_(owner), url_(std::move(url)), before_(std::move(before)),
          after_(std::move(after)) {
        setText(changeText(before_, after_));
    }

    int id() const override { return settingsCommand; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const ChangeSettings*>(other);
        FileSettings renamedOnly = after_;
        renamedOnly.categoryName = next->after_.categoryName;
        if (next->url_ != url_ || renamedOnly != next->after_ ||
            before_.categoryName == after_.categoryName)
            return false;
        after_ = next->after_;
        return true;
    }
    // Pushed once it has happened already.
    void redo() override {
        if (!std::exchange(firstRedo_, false))
            owner_.apply(url_, after_);
    }
    void undo() override { owner_.apply(url_, before_); }

  private:
    LibraryUndo& owner_;
    Path url_;
    FileSettings before_, after_;
    bool firstRedo_ = true;
};

LibraryUndo::LibraryUndo(LibraryViewModel& library, QObject* parent)
    : QObject(parent), library_(library) {
    connect(&library_, &LibraryViewModel::filesChanged, this, [this] {
        std::unordered_map<const InputFile*, FileSettings> listed;
        for (InputFile* file : library_.files()) {
            auto seen = seen_.find(file);
            if (seen == seen_.end())
                follow(file);
            listed.emplace(file, seen == seen_.end() ? file->settings() : seen->second);
        }
        seen_ = std::move(listed);
    });
}

void LibraryUndo::follow(InputFile* file) {
    connect(file, &InputFile::settingsChanged, this, [this, file] { settingsChanged(file); });
}

void LibraryUndo::settingsChanged(InputFile* file) {
    auto seen = seen_.find(file);
    if (seen == seen_.end())
        return;
    FileSettings now = file->settings();
    FileSettings before = std::exchange(seen->second, now);
    // A sidecar icon is the file's own, found when it is read, not the user's choice.
    if (before == now || applying_ || now.iconSource.kind == IconSource::Kind::sidecar)
        return;
    stack_.push(new ChangeSettings(*this, file->url(), std::move(before), std::move(now)));
}

void LibraryUndo::apply(const Path& url, const FileSettings& settings) {
    InputFile* file = library_.listedFile(url);
    if (!file)
        return;
    applying_ = true;
    file->apply(settings);
    applying_ = false;
}

void LibraryUndo::remove(const QUuid& id) {
    auto* command = new RemoveFiles(library_, tr("Remove from List"));
    for (qsizetype position = 0; position < library_.files().size(); ++position)
        if (const InputFile* file = library_.files()[position]; file->id() == id)
            command->add(*file, position, true);
    if (command->isEmpty())
        delete command;
    else
        stack_.push(command);
}

void LibraryUndo::removeAll() {
    auto* command = new RemoveFiles(library_, tr("Close All"));
    for (qsizetype position = 0; position < library_.files().size(); ++position) {
        const InputFile* file = library_.files()[position];
        command->add(*file, position, file->id() == library_.selection());
    }
    if (command->isEmpty())
        delete command;
    else
        stack_.push(command);
}

} // namespace marklode
