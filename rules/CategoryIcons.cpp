#include "rules/CategoryIcons.h"

#include "core/gpi/GPIIconError.h"

#include <algorithm>

namespace marklode {

std::vector<CategoryIcon> categoryIcons(const std::vector<CategoryImage>& images) {
    std::vector<CategoryIcon> icons;
    for (const CategoryImage& image : images) {
        bool known = std::any_of(icons.begin(), icons.end(), [&](const CategoryIcon& icon) {
            return icon.category == image.category;
        });
        if (known)
            continue;
        try {
            icons.push_back({image.category, GPIIcon::fromImage(image.bytes)});
        } catch (const GPIIconError&) {
            // Left to the file's icon.
        }
    }
    return icons;
}

} // namespace marklode
