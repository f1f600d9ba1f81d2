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

void SidecarIcons::note(const std::filesystem::path& entry) {
    if (lowercased(entry.extension().string()) == ".bmp")
        byBaseName_.try_emplace(lowercased(entry.stem().string()), entry);
}

std::optional<std::filesystem::path> SidecarIcons::of(const std::filesystem::path& input) const {
    auto found = byBaseName_.find(lowercased(input.stem().string()));
    if (found == byBaseName_.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input) {
    return SidecarIcons::inFolder(input.parent_path()).of(input);
}

} // namespace marklode
