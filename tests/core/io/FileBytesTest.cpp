#include "core/io/FileError.h"
#include "core/io/ReadFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace marklode;
using marklode::test::TempDir;

namespace {

// The error a load gave, or none.
template <typename F> std::optional<std::error_code> errorOf(F&& load) {
    try {
        load();
    } catch (const FileError& error) {
        EXPECT_EQ(error.operation, FileError::Operation::read);
        return error.code();
    }
    return std::nullopt;
}

} // namespace

// Mapped and read, a file gives the bytes readFileBytes gives, with the spare room after them
// readable even where the file ends on a page boundary.
TEST(FileBytesTest, MappedAndReadBytesMatch) {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, page - 1, page, 3 * page + 7}) {
        std::string text(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            text[i] = static_cast<char>('a' + i % 26);
        auto file = dir.write("f" + std::to_string(size), text);
        for (FileAccess access : {FileAccess::mapped, FileAccess::read, FileAccess::byFileSystem}) {
            SCOPED_TRACE(testing::Message() << size << " bytes, access " << int(access));
            FileBytes bytes = loadFileBytes(file, noReadLimit, access);
            if (access != FileAccess::byFileSystem) {
                EXPECT_EQ(bytes.isMapped(), access == FileAccess::mapped);
            }
            ASSERT_EQ(bytes.view(), readFileBytes(file));
            // Reading the spare room must not fault.
            for (std::size_t i = 0; i < readSpareCapacity; ++i) {
                volatile char spare = bytes.view().data()[size + i];
                (void)spare;
            }
            FileBytes moved = std::move(bytes);
            EXPECT_EQ(moved.view(), text);
        }
    }
}

TEST(FileBytesTest, MappedAndReadFailAlike) {
    TempDir dir;
    auto file = dir.write("a.csv", "0,0,A\n");
    auto unreadable = dir.write("locked.csv", "0,0,A\n");
    ::chmod(unreadable.c_str(), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    const bool privileged = ::geteuid() == 0;

    struct Case {
        std::filesystem::path path;
        std::uint64_t maxBytes;
        std::optional<std::error_code> expected;
    };
    const Case cases[] = {
        {dir / "missing.csv", noReadLimit,
         std::make_error_code(std::errc::no_such_file_or_directory)},
        {dir.path(), noReadLimit, std::make_error_code(std::errc::is_a_directory)},
        {dir / "fifo", noReadLimit, make_error_code(FileProblem::notRegularFile)},
        {file, 5, make_error_code(FileProblem::tooLarge)},
        {file, 6, std::nullopt},
        {unreadable, noReadLimit,
         privileged ? std::nullopt
                    : std::optional(std::make_error_code(std::errc::permission_denied))},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path.filename().string());
        EXPECT_EQ(errorOf([&] { readFileBytes(test.path, test.maxBytes); }), test.expected);
        for (FileAccess access : {FileAccess::mapped, FileAccess::read, FileAccess::byFileSystem})
            EXPECT_EQ(errorOf([&] { loadFileBytes(test.path, test.maxBytes, access); }),
                      test.expected);
        // A named pipe is read to its end there, not refused.
        if (test.path.filename() != "fifo") {
            EXPECT_EQ(errorOf([&] { loadCommandLineInput(test.path, test.maxBytes); }),
                      test.expected);
        }
    }
}
