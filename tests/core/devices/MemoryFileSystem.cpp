#include "MemoryFileSystem.h"

#include "core/io/FileError.h"

#include <algorithm>
#include <cerrno>

namespace marklode::test {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;
using FileOp = FileError::Operation;

Path normal(const Path& path) {
    std::string text = path.lexically_normal().string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

bool isWithin(const Path& path, const Path& tree) {
    const std::string& p = path.native();
    const std::string& t = tree.native();
    if (t == "/")
        return true;
    return p == t || (p.size() > t.size() && p.compare(0, t.size(), t) == 0 && p[t.size()] == '/');
}

} // namespace

void MemoryFileSystem::addVolume(const Path& root, std::optional<std::int64_t> capacity,
                                 bool readOnly) {
    Lock lock(mutex_);
    addDirectory(root);
    std::erase_if(volumes_, [&](const Volume& volume) { return volume.root == normal(root); });
    volumes_.push_back(Volume{normal(root), capacity, readOnly, std::nullopt, false});
}

void MemoryFileSystem::setReadOnly(const Path& root, bool readOnly) {
    Lock lock(mutex_);
    for (Volume& volume : volumes_)
        if (volume.root == normal(root))
            volume.readOnly = readOnly;
}

void MemoryFileSystem::vanishOn(const Path& root, Op op, int nth) {
    Lock lock(mutex_);
    for (Volume& volume : volumes_)
        if (volume.root == normal(root))
            volume.goesAt = std::pair{op, nth};
}

void MemoryFileSystem::failCall(Op op, int nth, int errorNumber) {
    Lock lock(mutex_);
    faults_[{op, nth}] = errorNumber;
}

void MemoryFileSystem::corruptReads(const Path& path, std::function<Bytes(Bytes)> change) {
    Lock lock(mutex_);
    corruptions_[normal(path)] = std::move(change);
}

void MemoryFileSystem::addFile(const Path& path, std::string_view bytes) {
    Lock lock(mutex_);
    makeParents(normal(path));
    nodes_[normal(path)] = Node{false, Bytes(bytes.begin(), bytes.end())};
}

void MemoryFileSystem::addDirectory(const Path& path) {
    Lock lock(mutex_);
    makeParents(normal(path));
    nodes_[normal(path)] = Node{true, {}};
}

std::optional<std::string> MemoryFileSystem::file(const Path& path) const {
    Lock lock(mutex_);
    auto node = nodes_.find(normal(path));
    if (node == nodes_.end() || node->second.directory)
        return std::nullopt;
    return std::string(node->second.data.begin(), node->second.data.end());
}

bool MemoryFileSystem::exists(const Path& path) const {
    Lock lock(mutex_);
    return nodes_.contains(normal(path));
}

std::vector<std::string> MemoryFileSystem::namesIn(const Path& directory) const {
    Lock lock(mutex_);
    std::vector<std::string> names;
    Path dir = normal(directory);
    for (const auto& [path, node] : nodes_)
        if (path != dir && path.parent_path() == dir)
            names.push_back(path.filename().string());
    return names;
}

std::vector<MemoryFileSystem::Call> MemoryFileSystem::calls() const {
    Lock lock(mutex_);
    return calls_;
}

std::optional<int> MemoryFileSystem::enter(Op op, const Path& path) const {
    calls_.push_back({op, path});
    int count = ++counts_[static_cast<std::size_t>(op)];
    if (auto fault = faults_.find({op, count}); fault != faults_.end())
        return fault->second;
    if (Volume* volume = volumeOf(path)) {
        if (volume->goesAt == std::pair{op, count})
            volume->gone = true;
        if (volume->gone)
            return EIO;
    }
    return std::nullopt;
}

MemoryFileSystem::Volume* MemoryFileSystem::volumeOf(const Path& path) const {
    Volume* best = nullptr;
    Path target = normal(path);
    for (Volume& volume : volumes_)
        if (isWithin(target, volume.root) &&
            (!best || volume.root.native().size() > best->root.native().size()))
            best = &volume;
    return best;
}

void MemoryFileSystem::makeParents(const Path& path) const {
    for (Path parent = path.parent_path(); !parent.empty(); parent = parent.parent_path()) {
        nodes_.try_emplace(parent, Node{true, {}});
        if (parent == parent.root_path())
            break;
    }
}

void MemoryFileSystem::checkWritable(const Path& path) const {
    if (const Volume* volume = volumeOf(path); volume && volume->readOnly)
        throw FileError(FileOp::write, EROFS, path);
}

void MemoryFileSystem::charge(const Path& path, std::int64_t bytes) const {
    const Volume* volume = volumeOf(path);
    if (!volume || !volume->capacity)
        return;
    std::int64_t used = 0;
    for (const auto& [key, node] : nodes_)
        if (!node.directory && isWithin(key, volume->root))
            used += static_cast<std::int64_t>(node.data.size());
    if (used + bytes > *volume->capacity)
        throw FileError(FileOp::write, ENOSPC, path);
}

bool MemoryFileSystem::fileExists(const Path& path) const {
    Lock lock(mutex_);
    return !enter(Op::fileExists, path) && nodes_.contains(normal(path));
}

bool MemoryFileSystem::isDirectory(const Path& path) const {
    Lock lock(mutex_);
    if (enter(Op::isDirectory, path))
        return false;
    auto node = nodes_.find(normal(path));
    return node != nodes_.end() && node->second.directory;
}

std::vector<Path> MemoryFileSystem::contentsOfDirectory(const Path& directory) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::contentsOfDirectory, directory))
        throw FileError(FileOp::read, *error, directory);
    auto node = nodes_.find(normal(directory));
    if (node == nodes_.end())
        throw FileError(FileOp::read, ENOENT, directory);
    if (!node->second.directory)
        throw FileError(FileOp::read, ENOTDIR, directory);
    std::vector<Path> entries;
    for (const std::string& name : namesIn(directory))
        entries.push_back(directory / name);
    return entries;
}

Bytes MemoryFileSystem::readData(const Path& path, std::uint64_t maxBytes) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::readData, path))
        throw FileError(FileOp::read, *error, path);
    auto node = nodes_.find(normal(path));
    if (node == nodes_.end())
        throw FileError(FileOp::read, ENOENT, path);
    if (node->second.directory)
        throw FileError(FileOp::read, EISDIR, path);
    if (node->second.data.size() > maxBytes)
        throw FileError(FileOp::read, FileProblem::tooLarge, path);
    for (const auto& [tree, corruption] : corruptions_)
        if (isWithin(normal(path), tree))
            return corruption(node->second.data);
    return node->second.data;
}

void MemoryFileSystem::createDirectory(const Path& path) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::createDirectory, path))
        throw FileError(FileOp::write, *error, path);
    Path target = normal(path);
    for (Path step = target;; step = step.parent_path()) {
        auto node = nodes_.find(step);
        if (node != nodes_.end()) {
            if (!node->second.directory)
                throw FileError(FileOp::write, step == target ? EEXIST : ENOTDIR, path);
            break;
        }
        if (step == step.root_path() || step.empty())
            break;
    }
    if (auto node = nodes_.find(target); node != nodes_.end())
        return;
    checkWritable(path);
    makeParents(target);
    nodes_[target] = Node{true, {}};
}

void MemoryFileSystem::writeAndSync(std::span<const std::uint8_t> data, const Path& path) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::writeAndSync, path))
        throw FileError(FileOp::write, *error, path);
    Path target = normal(path);
    auto parent = nodes_.find(target.parent_path());
    if (parent == nodes_.end())
        throw FileError(FileOp::write, ENOENT, path);
    if (!parent->second.directory)
        throw FileError(FileOp::write, ENOTDIR, path);
    if (auto node = nodes_.find(target); node != nodes_.end() && node->second.directory)
        throw FileError(FileOp::write, EISDIR, path);
    checkWritable(path);
    nodes_[target] = Node{false, {}}; // created empty first, as on a real disk
    charge(path, static_cast<std::int64_t>(data.size()));
    nodes_[target].data.assign(data.begin(), data.end());
}

void MemoryFileSystem::rename(const Path& source, const Path& destination) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::rename, source))
        throw FileError(FileOp::write, *error, source);
    if (const Volume* volume = volumeOf(destination); volume && volume->gone)
        throw FileError(FileOp::write, EIO, destination);
    Path from = normal(source);
    Path to = normal(destination);
    auto node = nodes_.find(from);
    if (node == nodes_.end())
        throw FileError(FileOp::write, ENOENT, source);
    if (!nodes_.contains(to.parent_path()))
        throw FileError(FileOp::write, ENOENT, destination);
    if (volumeOf(from) != volumeOf(to))
        throw FileError(FileOp::write, EXDEV, source);
    checkWritable(source);
    if (auto existing = nodes_.find(to); existing != nodes_.end()) {
        if (existing->second.directory && !node->second.directory)
            throw FileError(FileOp::write, EISDIR, destination);
        if (!existing->second.directory && node->second.directory)
            throw FileError(FileOp::write, ENOTDIR, destination);
        if (existing->second.directory && !namesIn(to).empty())
            throw FileError(FileOp::write, ENOTEMPTY, destination);
    }
    std::map<Path, Node> moved;
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        if (isWithin(it->first, from)) {
            Path relative = it->first.lexically_relative(from);
            moved[relative == "." ? to : normal(to / relative)] = std::move(it->second);
            it = nodes_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& [path, moving] : moved)
        nodes_[path] = std::move(moving);
}

void MemoryFileSystem::copy(const Path& source, const Path& destination) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::copy, source))
        throw FileError(FileOp::write, *error, source);
    Path from = normal(source);
    Path to = normal(destination);
    if (!nodes_.contains(from))
        throw FileError(FileOp::write, ENOENT, source);
    if (nodes_.contains(to))
        throw FileError(FileOp::write, EEXIST, destination);
    checkWritable(destination);
    std::map<Path, Node> copies;
    for (const auto& [path, node] : nodes_)
        if (isWithin(path, from)) {
            Path relative = path.lexically_relative(from);
            copies[relative == "." ? to : normal(to / relative)] = node;
        }
    for (auto& [path, node] : copies)
        nodes_[path] = std::move(node);
}

void MemoryFileSystem::remove(const Path& path) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::remove, path))
        throw FileError(FileOp::write, *error, path);
    Path target = normal(path);
    if (!nodes_.contains(target))
        throw FileError(FileOp::write, ENOENT, path);
    checkWritable(path);
    std::erase_if(nodes_, [&](const auto& entry) { return isWithin(entry.first, target); });
}

bool MemoryFileSystem::isVolumeWritable(const Path& path) const {
    Lock lock(mutex_);
    if (enter(Op::isVolumeWritable, path))
        return false;
    const Volume* volume = volumeOf(path);
    return !volume || !volume->readOnly;
}

std::optional<std::int64_t> MemoryFileSystem::availableCapacity(const Path& path) const {
    Lock lock(mutex_);
    if (enter(Op::availableCapacity, path))
        return std::nullopt;
    const Volume* volume = volumeOf(path);
    if (!volume || !volume->capacity)
        return std::nullopt;
    std::int64_t used = 0;
    for (const auto& [key, node] : nodes_)
        if (!node.directory && isWithin(key, volume->root))
            used += static_cast<std::int64_t>(node.data.size());
    return *volume->capacity - used;
}

bool MemoryFileSystem::isSymbolicLink(const Path& path) const {
    Lock lock(mutex_);
    enter(Op::isSymbolicLink, path);
    return false; // this file system has no links; link handling is tested on a real disk
}

void MemoryFileSystem::syncDirectory(const Path& directory) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::syncDirectory, directory))
        throw FileError(FileOp::write, *error, directory);
    auto node = nodes_.find(normal(directory));
    if (node == nodes_.end() || !node->second.directory)
        throw FileError(FileOp::write, ENOENT, directory);
}

std::unique_ptr<DirectoryLock> MemoryFileSystem::tryLockDirectory(const Path& directory) const {
    Lock lock(mutex_);
    if (auto error = enter(Op::tryLockDirectory, directory))
        throw FileError(FileOp::write, *error, directory);
    auto node = nodes_.find(normal(directory));
    if (node == nodes_.end() || !node->second.directory)
        throw FileError(FileOp::write, ENOENT, directory);
    if (!locked_.insert(normal(directory)).second)
        return nullptr;
    struct Held final : DirectoryLock {
        Held(const MemoryFileSystem& fs, Path path) : fs(fs), path(std::move(path)) {}
        ~Held() override {
            std::lock_guard<std::recursive_mutex> guard(fs.mutex_);
            fs.locked_.erase(path);
        }
        const MemoryFileSystem& fs;
        Path path;
    };
    return std::make_unique<Held>(*this, normal(directory));
}

} // namespace marklode::test
