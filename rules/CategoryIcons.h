#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/import/ImportIssue.h"

#include <string>
#include <vector>

namespace marklode {

struct CategoryIcon {
    std::string category;
    GPIIcon icon;
    bool operator==(const CategoryIcon&) const = default;
};

// The icons a source gives its categories, in the order it gave them. An image that can't be an
// icon is left out, so that its category keeps the file's icon; a category given several images
// gets its first usable one.
std::vector<CategoryIcon> categoryIcons(const std::vector<CategoryImage>& images);

} // namespace marklode
