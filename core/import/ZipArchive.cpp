#include "core/import/ZipArchive.h"

#include "core/import/ImportError.h"

#include <array>
#include <memory>
#include <zip.h>

namespace marklode {

namespace {

ImportError damaged() {
    return ImportError::invalidKMZ(ImportError::InvalidKMZ::Problem::damaged);
}

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

std::optional<std::string> ZipArchive::safeName(std::string_view name) {
    std::string normalized;
    bool absolute =
        name.starts_with('/') || name.starts_with('\\') || (name.size() >= 2 && name[1] == ':');
    if (absolute)
        return std::nullopt;
    while (!name.empty()) {
        std::size_t end = name.find_first_of("/\\");
        std::string_view component = name.substr(0, end);
        name = end == std::string_view::npos ? std::string_view() : name.substr(end + 1);
        if (component == "..")
            return std::nullopt;
        if (component.empty() || component == ".")
            continue;
        if (!normalized.empty())
            normalized += '/';
        normalized.append(component);
    }
    if (normalized.empty())
        return std::nullopt;
    return normalized;
}

ZipArchive::ZipArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source)
        archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        throw damaged();
    }
    zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(index), 0);
        if (!name || std::string_view(name).ends_with('/'))
            continue;
        if (std::optional<std::string> safe = safeName(name))
            files_.push_back(Entry{std::move(*safe), static_cast<std::uint64_t>(index)});
    }
}

ZipArchive::~ZipArchive() {
    if (archive)
        zip_discard(archive);
}

ZipArchive::ReadEnd ZipArchive::read(std::uint64_t index, std::uint64_t limit,
                                     const std::function<void(std::string_view)>& consume) const {
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file)
        return ReadEnd::damaged;
    auto buffer = std::make_unique<std::array<char, 1 << 16>>();
    std::uint64_t total = 0;
    while (true) {
        zip_int64_t length = zip_fread(file.get(), buffer->data(), buffer->size());
        if (length < 0)
            return ReadEnd::damaged;
        if (length == 0)
            return ReadEnd::complete;
        total += static_cast<std::uint64_t>(length);
        if (total > limit)
            return ReadEnd::overLimit;
        consume(std::string_view(buffer->data(), static_cast<std::size_t>(length)));
    }
}

} // namespace marklode
