#include "ui/detail/CategoryList.h"

#include "models/InputFile.h"
#include "rules/FileCategories.h"
#include "ui/detail/IconPreview.h"
#include "ui/widgets/ShownText.h"

#include <QIcon>
#include <QPixmap>
#include <algorithm>

namespace marklode {

namespace {

constexpr int tallestRows = 5;

} // namespace

CategoryList::CategoryList(InputFile& file, const QLocale& locale, QWidget* parent)
    : QListWidget(parent), file_(&file), locale_(locale) {
    setObjectName(QStringLiteral("categoryList"));
    setAccessibleName(tr("Categories in the file"));
    setSelectionMode(NoSelection);
    setUniformItemSizes(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMaximumWidth(320);
    for (auto signal : {&InputFile::rowsChanged, &InputFile::categoryModeChanged,
                        &InputFile::categoryNameChanged, &InputFile::iconChanged})
        connect(&file, signal, this, &CategoryList::showCategories);
    showCategories();
}

QSize CategoryList::sizeHint() const {
    int rows = std::clamp(count(), 1, tallestRows);
    int row = sizeHintForRow(0) > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
    return {QListWidget::sizeHint().width(), rows * row + 2 * frameWidth()};
}

void CategoryList::showCategories() {
    if (!file_)
        return;
    std::vector<CategoryCount> categories = file_->exportedCategories();
    bool shown = file_->categoryMode() == CategoryMode::fromFile && categories.size() > 1;
    clear();
    if (shown) {
        // Each category with the icon it is written with: the source's, else the file's.
        FileExport exported = file_->exportSnapshot();
        for (const CategoryCount& category : categories) {
            std::optional<GPIIcon> icon =
                categoryIcon(category.name, exported.contents->categoryIcons, exported.icon);
            addItem(new QListWidgetItem(
                QIcon(QPixmap::fromImage(iconPreviewImage(icon ? *icon : GPIIcon::defaultIcon()))),
                tr("%1 \u2014 %2")
                    .arg(shownText(category.name),
                         locale_.toString(static_cast<qlonglong>(category.poiCount)))));
        }
    }
    setVisible(shown);
    updateGeometry();
}

} // namespace marklode
