#include "core/io/LocalFileSystem.h"

#include "core/io/FileError.h"
#include "core/io/ReadFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

TEST(LocalFileSystemTest, WriteAndSyncReplacesAPlantedLinkWithoutFollowingIt) {
    TempDir dir;
    Path victim = dir.write("victim", "precious");
    std::filesystem::create_symlink(victim, dir / "to-victim");
    std::filesystem::create_symlink(dir / "planted", dir / "dangling");
    LocalFileSystem fs;
    for (const char* name : {"to-victim", "dangling"}) {
        fs.writeAndSync(bytesOf("new"), dir / name);
        EXPECT_FALSE(fs.isSymbolicLink(dir / name)) << name;
        EXPECT_EQ(marklode::test::readText(dir / name), "new") << name;
    }
    EXPECT_EQ(marklode::test::readText(victim), "precious");
    EXPECT_FALSE(fs.fileExists(dir / "planted"));
}

// A pipe, a device or an oversized file where a file belongs is refused at once, never waited
// on or read without end.
TEST(LocalFileSystemTest, ReadsOnlyRegularFilesWithinTheLimit) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zeros");
    dir.write("big", std::string(1001, 'x'));
    std::filesystem::create_symlink(dir / "big", dir / "link-to-big");
    struct Case {
        const char* name;
        std::error_code refusal; // none: read
    };
    const Case cases[] = {
        {"fifo", make_error_code(FileProblem::notRegularFile)},
        {"zeros", make_error_code(FileProblem::notRegularFile)},
        {"big", make_error_code(FileProblem::tooLarge)},
        {"link-to-big", make_error_code(FileProblem::tooLarge)},
        {".", std::make_error_code(std::errc::is_a_directory)},
    };
    LocalFileSystem fs;
    for (const Case& c : cases) {
        for (bool fromMedium : {false, true}) {
            try {
                fromMedium ? fs.readDataFromMedium(dir / c.name, 1000)
                           : fs.readData(dir / c.name, 1000);
                ADD_FAILURE() << c.name << " was read";
            } catch (const FileError& error) {
                EXPECT_EQ(error.code(), c.refusal) << c.name;
                EXPECT_EQ(error.operation, FileError::Operation::read);
            }
        }
    }
    EXPECT_EQ(fs.readData(dir / "link-to-big", 1001).size(), 1001u);
}

TEST(LocalFileSystemTest, DirectoryLockExcludesEveryOtherHolderUntilReleased) {
    TempDir dir;
    LocalFileSystem fs;
    auto held = fs.tryLockDirectory(dir.path());
    ASSERT_TRUE(held);
    EXPECT_FALSE(fs.tryLockDirectory(dir.path())); // another open of it, as another process's

    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(LocalFileSystem().tryLockDirectory(dir.path()) ? 1 : 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "another process got the lock";

    held.reset();
    EXPECT_TRUE(fs.tryLockDirectory(dir.path()));
    EXPECT_EQ(errnoOf([&] { fs.tryLockDirectory(dir / "missing"); }), ENOENT);
}
