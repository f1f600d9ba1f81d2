#include "core/devices/LocalFileSystem.h"

#include "core/import/FileError.h"
#include "core/import/ReadFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace marklode;
using marklode::test::TempDir;

namespace {

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

template <typename F> int errnoOf(F&& operation) {
    try {
        operation();
    } catch (const FileError& error) {
        return error.code().value();
    }
    return 0;
}

} // namespace

TEST(LocalFileSystemTest, ExistenceAndDirectoryTests) {
    TempDir dir;
    Path file = dir.write("a.txt", "x");
    LocalFileSystem fs;
    EXPECT_TRUE(fs.fileExists(file));
    EXPECT_TRUE(fs.fileExists(dir.path()));
    EXPECT_FALSE(fs.isDirectory(file));
    EXPECT_TRUE(fs.isDirectory(dir.path()));
    EXPECT_FALSE(fs.fileExists(dir / "missing"));
    EXPECT_FALSE(fs.isDirectory(dir / "missing"));
}

TEST(LocalFileSystemTest, ListingIncludesHiddenEntries) {
    TempDir dir;
    dir.write("._poi.gpi", "");
    dir.write("poi.gpi", "");
    LocalFileSystem fs;
    auto entries = fs.contentsOfDirectory(dir.path());
    std::sort(entries.begin(), entries.end());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], dir / "._poi.gpi");
    EXPECT_EQ(errnoOf([&] { fs.contentsOfDirectory(dir / "missing"); }), ENOENT);
}

TEST(LocalFileSystemTest, CreateDirectoryIsIdempotentAndMakesParents) {
    TempDir dir;
    LocalFileSystem fs;
    Path nested = dir / "a/b/c";
    fs.createDirectory(nested);
    dir.write("a/b/c/keep", "k");
    fs.createDirectory(nested);
    EXPECT_EQ(marklode::test::readText(nested / "keep"), "k");
}

TEST(LocalFileSystemTest, WriteAndSyncReplacesLongerFileExactly) {
    TempDir dir;
    Path file = dir.write("poi.gpi", "a much longer old content");
    LocalFileSystem fs;
    fs.writeAndSync(bytesOf("new"), file);
    EXPECT_EQ(marklode::test::readText(file), "new");
    EXPECT_EQ(fs.readData(file, noReadLimit), bytesOf("new"));
    EXPECT_EQ(errnoOf([&] { fs.writeAndSync(bytesOf("x"), dir / "no/such/dir/f"); }), ENOENT);
}

TEST(LocalFileSystemTest, RenameReplacesAndReportsMissingSource) {
    TempDir dir;
    Path source = dir.write("tmp", "new");
    Path target = dir.write("poi.gpi", "old");
    LocalFileSystem fs;
    fs.rename(source, target);
    EXPECT_EQ(marklode::test::readText(target), "new");
    EXPECT_FALSE(fs.fileExists(source));
    EXPECT_EQ(errnoOf([&] { fs.rename(dir / "missing", target); }), ENOENT);
}

TEST(LocalFileSystemTest, CopyAndRemoveTrees) {
    TempDir dir;
    dir.write("tree/sub/f", "data");
    LocalFileSystem fs;
    fs.copy(dir / "tree", dir / "copy");
    EXPECT_EQ(marklode::test::readText(dir / "copy/sub/f"), "data");
    EXPECT_EQ(errnoOf([&] { fs.copy(dir / "tree", dir / "copy"); }), EEXIST);
    fs.remove(dir / "copy");
    EXPECT_FALSE(fs.fileExists(dir / "copy"));
    EXPECT_EQ(errnoOf([&] { fs.remove(dir / "copy"); }), ENOENT);
}

TEST(LocalFileSystemTest, WritabilityAndCapacity) {
    TempDir dir;
    LocalFileSystem fs;
    EXPECT_TRUE(fs.isVolumeWritable(dir.path()));
    auto capacity = fs.availableCapacity(dir.path());
    ASSERT_TRUE(capacity.has_value());
    EXPECT_GT(*capacity, 0);
    EXPECT_FALSE(fs.availableCapacity(dir / "missing").has_value());
    if (::geteuid() != 0) {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_FALSE(fs.isVolumeWritable(dir.path()));
    }
}

TEST(LocalFileSystemTest, SymbolicLinksAreSeenWithoutFollowing) {
    TempDir dir;
    Path file = dir.write("file", "x");
    std::filesystem::create_symlink(file, dir / "link");
    std::filesystem::create_symlink(dir / "missing", dir / "dangling");
    LocalFileSystem fs;
    EXPECT_TRUE(fs.isSymbolicLink(dir / "link"));
    EXPECT_TRUE(fs.isSymbolicLink(dir / "dangling"));
    EXPECT_TRUE(fs.fileExists(dir / "dangling"));
    EXPECT_FALSE(fs.isSymbolicLink(file));
    EXPECT_FALSE(fs.isSymbolicLink(dir / "missing"));
}
