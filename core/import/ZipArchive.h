#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace marklode {

// A zip archive held in memory, its entries inflated piece by piece. What an entry inflates to
// is counted as it comes; the sizes its headers claim are never trusted.
class ZipArchive {
  public:
    // Throws ImportError::invalidKMZ(damaged) when the bytes are not a zip archive. The bytes
    // must outlive the archive.
    explicit ZipArchive(std::string_view bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    struct Entry {
        std::string name; // "/"-separated, without "." components
        std::uint64_t index = 0;
    };
    // The files, in archive order. Folders are left out, and so are names that are absolute or
    // climb with "..": nothing may be taken from outside the archive's own tree.
    const std::vector<Entry>& files() const { return files_; }

    enum class ReadEnd { complete, overLimit, damaged };
    // Hands the entry's bytes to `consume` in pieces as they inflate, stopping as soon as more
    // than `limit` bytes have come out.
    ReadEnd read(std::uint64_t index, std::uint64_t limit,
                 const std::function<void(std::string_view)>& consume) const;

    // The name as files() gives it, or nothing when it is not one that may be read.
    static std::optional<std::string> safeName(std::string_view name);

  private:
    zip* archive = nullptr;
    std::vector<Entry> files_;
};

} // namespace marklode
