#include "app/NaturalOrder.h"

#include <QCollator>
#include <QString>
#include <algorithm>

namespace marklode {

void sortByNaturalName(std::vector<Path>& paths, const QLocale& locale) {
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QString, Path>> named;
    named.reserve(paths.size());
    for (Path& path : paths)
        named.emplace_back(QString::fromStdString(path.filename().string()), std::move(path));
    std::stable_sort(named.begin(), named.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a.first, b.first) < 0;
    });
    paths.clear();
    for (auto& entry : named)
        paths.push_back(std::move(entry.second));
}

} // namespace marklode
