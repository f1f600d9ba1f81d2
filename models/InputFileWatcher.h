#pragma once

#include "core/io/FileSystem.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace marklode {

// How a file stood when last looked at; any difference means it was written, replaced or
// deleted since.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
    // Reads the disk.
    static FileStamp of(const Path& file);
};

// Tells when watched files change on disk, once a burst of writes has settled: written in
// place, replaced by a file renamed over them (as many editors save), deleted, or back again.
// Each file's folder is watched too, which is where replacements and returns show; an event
// that leaves a file as it was is dropped.
class InputFileWatcher : public QObject {
    Q_OBJECT
  public:
    // `exists` is false for a file that is gone.
    using ChangeHandler = std::function<void(const Path& file, bool exists)>;

    explicit InputFileWatcher(ChangeHandler changed, QObject* parent = nullptr);
    ~InputFileWatcher() override;

    // Each file by its one spelling, with how it stands now.
    void watch(const std::vector<std::pair<Path, FileStamp>>& files);
    void forget(const Path& file);

    // A file is told once it has been left alone this long, or once this long has passed
    // three times over since its first event, so a file written without pause is still read.
    std::chrono::milliseconds settleTime{300};

  private:
    void noteFile(const QString& path);
    void noteFolder(const QString& path);
    void schedule();
    void check();
    void add(const QStringList& paths);
    void remove(const QString& path);

    ChangeHandler changed_;
    // On a thread of its own: adding the watches of thousands of files takes long enough to
    // be felt in the window.
    QThread thread_;
    QFileSystemWatcher* watcher_;
    QTimer settle_;
    std::chrono::steady_clock::time_point firstEvent_;
    std::unordered_map<std::string, FileStamp> stamps_;
    // The watched files of each folder.
    std::unordered_map<std::string, std::unordered_set<std::string>> folders_;
    std::unordered_set<std::string> pendingFiles_;
    std::unordered_set<std::string> pendingFolders_;
    bool checking_ = false;
};

} // namespace marklode
