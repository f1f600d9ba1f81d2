#pragma once

#include "core/import/ImportIssue.h"
#include "rules/CategoryIcon.h"

#include <vector>

namespace marklode {

// The icons a source gives its categories, in the order it gave them. An image that can't be an
// icon is left out, so that its category keeps the file's icon; a category given several images
// gets its first usable one.
std::vector<CategoryIcon> categoryIcons(const std::vector<CategoryImage>& images);

} // namespace marklode
