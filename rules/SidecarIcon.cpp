#include "rules/SidecarIcon.h"

#include "core/text/TextClasses.h"

namespace marklode {

std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input) {
    std::string base = lowercased(input.stem().string());
    std::error_code error;
    std::filesystem::path folder = input.has_parent_path() ? input.parent_path() : ".";
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return std::nullopt;
    for (const auto& entry : entries) {
        const std::filesystem::path& path = entry.path();
        if (lowercased(path.extension().string()) == ".bmp" &&
            lowercased(path.stem().string()) == base)
            return path;
    }
    return std::nullopt;
}

} // namespace marklode
