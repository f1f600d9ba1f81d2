#include "models/InputFileWatcher.h"

#include "models/BackgroundTask.h"
#include "models/QtText.h"

namespace marklode {

namespace {

QString watched(const std::string& path) {
    return fromUtf8(path);
}

std::string folderOf(const std::string& file) {
    return Path(file).parent_path().native();
}

} // namespace

FileStamp FileStamp::of(const Path& file) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(file, error);
    if (error)
        return {};
    stamp.modified = std::filesystem::last_write_time(file, error);
    if (error)
        return {};
    stamp.exists = true;
    return stamp;
}

InputFileWatcher::InputFileWatcher(ChangeHandler changed, QObject* parent)
    : QObject(parent), changed_(std::move(changed)), watcher_(new QFileSystemWatcher) {
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &InputFileWatcher::check);
    watcher_->moveToThread(&thread_);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &InputFileWatcher::noteFile);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &InputFileWatcher::noteFolder);
    thread_.start();
}

InputFileWatcher::~InputFileWatcher() {
    thread_.quit();
    thread_.wait();
    delete watcher_;
}

void InputFileWatcher::add(const QStringList& paths) {
    QMetaObject::invokeMethod(watcher_, [watcher = watcher_, paths] { watcher->addPaths(paths); });
}

void InputFileWatcher::remove(const QString& path) {
    QMetaObject::invokeMethod(watcher_, [watcher = watcher_, path] { watcher->removePath(path); });
}

void InputFileWatcher::watch(const std::vector<std::pair<Path, FileStamp>>& files) {
    QStringList paths;
    for (const auto& [file, stamp] : files) {
        const std::string& path = file.native();
        if (!stamps_.emplace(path, stamp).second)
            continue;
        auto& folder = folders_[folderOf(path)];
        if (folder.empty())
            paths << watched(folderOf(path));
        folder.insert(path);
        if (stamp.exists)
            paths << watched(path);
    }
    // Past the system's limit on watches, the folders' events still tell of replacements.
    if (!paths.isEmpty())
        add(paths);
}

void InputFileWatcher::forget(const Path& file) {
    const std::string& path = file.native();
    if (stamps_.erase(path) == 0)
        return;
    pendingFiles_.erase(path);
    remove(watched(path));
    std::string folderPath = folderOf(path);
    auto folder = folders_.find(folderPath);
    folder->second.erase(path);
    if (folder->second.empty()) {
        folders_.erase(folder);
        pendingFolders_.erase(folderPath);
        remove(watched(folderPath));
    }
}

void InputFileWatcher::noteFile(const QString& path) {
    pendingFiles_.insert(path.toStdString());
    schedule();
}

void InputFileWatcher::noteFolder(const QString& path) {
    pendingFolders_.insert(path.toStdString());
    schedule();
}

void InputFileWatcher::schedule() {
    auto now = std::chrono::steady_clock::now();
    if (!settle_.isActive())
        firstEvent_ = now;
    else if (now - firstEvent_ > 3 * settleTime)
        return;
    if (!checking_)
        settle_.start(settleTime);
}

// The files are looked at off the main thread: a folder may hold thousands of them.
void InputFileWatcher::check() {
    std::vector<std::string> files(pendingFiles_.begin(), pendingFiles_.end());
    for (const std::string& folderPath : pendingFolders_)
        if (auto folder = folders_.find(folderPath); folder != folders_.end())
            for (const std::string& file : folder->second)
                if (!pendingFiles_.contains(file))
                    files.push_back(file);
    pendingFiles_.clear();
    pendingFolders_.clear();
    checking_ = true;
    background::run(
        this,
        [files = std::move(files)]() {
            std::vector<std::pair<std::string, FileStamp>> stamps;
            stamps.reserve(files.size());
            for (const std::string& file : files)
                stamps.emplace_back(file, FileStamp::of(file));
            return stamps;
        },
        [this](background::Outcome<std::vector<std::pair<std::string, FileStamp>>> outcome) {
            checking_ = false;
            if (!pendingFiles_.empty() || !pendingFolders_.empty())
                settle_.start(settleTime);
            if (!outcome.value)
                return;
            for (auto& [path, stamp] : *outcome.value) {
                auto known = stamps_.find(path);
                // Forgotten meanwhile, or as it was.
                if (known == stamps_.end() || known->second == stamp)
                    continue;
                known->second = stamp;
                if (stamp.exists) {
                    // A file renamed over it is another file: its watch is a new one.
                    remove(watched(path));
                    add({watched(path)});
                }
                changed_(path, stamp.exists);
            }
        });
}

} // namespace marklode
