#include "rules/SidecarIcon.h"

#include "core/text/TextClasses.h"

namespace marklode {

SidecarIcons SidecarIcons::inFolder(const std::filesystem::path& folder) {
    SidecarIcons icons;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error)
        return icons;
    for (const auto& entry : entries)
        icons.note(entry.path());
    return icons;
}

namespace {

// Lower ranks win; none for a file that is not an icon image by its name.
std::optional<int> rankOf(const std::filesystem::path& entry) {
    std::string extension = lowercased(entry.extension().string());
    if (extension == ".bmp")
        return 0;
    if (extension == ".png")
        return 1;
    if (extension == ".jpg" || extension == ".jpeg")
        return 2;
    return std::nullopt;
}

} // namespace

void SidecarIcons::note(const std::filesystem::path& entry) {
    std::optional<int> rank = rankOf(entry);
    if (!rank)
        return;
    auto [found, added] =
        byBaseName_.try_emplace(lowercased(entry.stem().string()), Candidate{*rank, entry});
    if (!added && *rank < found->second.rank)
        found->second = Candidate{*rank, entry};
}

std::optional<std::filesystem::path> SidecarIcons::of(const std::filesystem::path& input) const {
    auto found = byBaseName_.find(lowercased(input.stem().string()));
    if (found == byBaseName_.end())
        return std::nullopt;
    return found->second.path;
}

std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input) {
    return SidecarIcons::inFolder(input.parent_path()).of(input);
}

} // namespace marklode
