#include "ui/detail/FileDetailView.h"

#include "models/InputFile.h"
#include "rules/LibraryMessages.h"
#include "ui/detail/POIMap.h"
#include "ui/detail/POITable.h"
#include "ui/detail/POITableModel.h"
#include "ui/detail/SettingsForm.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace marklode {

namespace {

// Small enough for the whole window to fit 720 × 480: the form scrolls above a few rows.
constexpr int upperPaneMinimum = 180;
constexpr int lowerPaneMinimum = 140;

// Asks for the height its widget wants, again whenever that changes (a note shown or hidden);
// Qt's own keeps the first answer.
class FittingScrollArea : public QScrollArea {
  public:
    QSize sizeHint() const override {
        int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

QString fileName(const InputFile& file) {
    return shownFileName(file.url());
}

} // namespace

FileDetailView::FileDetailView(InputFile& file, const QLocale& locale, map::TileSource tiles,
                               QWidget* parent)
    : QWidget(parent), file_(&file), locale_(locale), tiles_(std::move(tiles)) {
    setObjectName(QStringLiteral("fileDetail"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Connected before the table's model exists, so this runs before the model filters the new
    // rows; the model's reset then refreshes the map.
    connect(&file, &InputFile::rowsChanged, this, [this] {
        if (map_)
            map_->showAllOnNextRefresh(false);
        Q_EMIT titleChanged();
    });
    connect(&file, &InputFile::loadErrorChanged, this, [this] {
        // Only a change between readable and unreadable swaps the contents.
        if ((file_->loadError().has_value()) != (form_ == nullptr)) {
            build();
            Q_EMIT titleChanged();
        }
    });
    build();
}

QString FileDetailView::title() const {
    return file_ ? fileName(*file_) : QString();
}

QString FileDetailView::subtitle() const {
    if (!file_)
        return {};
    std::size_t count = file_->rows().size();
    //: Under the file's name in the window's title bar: how many POIs the file has.
    return tr("%1 POIs", nullptr, static_cast<int>(std::min<std::size_t>(count, INT_MAX)))
        .arg(locale_.toString(static_cast<qulonglong>(count)));
}

void FileDetailView::setSearch(const QString& search) {
    if (search == search_)
        return;
    search_ = search;
    if (map_)
        map_->showAllOnNextRefresh(true);
    if (table_)
        table_->setSearch(search);
}

std::size_t FileDetailView::matchCount() const {
    return table_ ? table_->rows()->positions().size() : 0;
}

std::size_t FileDetailView::poiCount() const {
    return file_ ? file_->rows().size() : 0;
}

void FileDetailView::setSelectedRow(std::optional<std::int64_t> id) {
    selectedRow_ = id;
    if (table_)
        table_->setSelectedRow(id);
    if (map_)
        map_->refresh(id);
}

void FileDetailView::build() {
    delete content_;
    form_ = nullptr;
    table_ = nullptr;
    map_ = nullptr;
    if (file_->loadError())
        buildPlaceholder();
    else
        buildContents();
    layout()->addWidget(content_);
    Q_EMIT matchesChanged();
}

void FileDetailView::buildPlaceholder() {
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("unreadable"));
    auto* column = new QVBoxLayout(content_);
    column->setAlignment(Qt::AlignCenter);
    column->setSpacing(12);
    auto* symbol = new QLabel;
    symbol->setPixmap(themedIcon("dialog-warning").pixmap(48, 48));
    symbol->setAlignment(Qt::AlignCenter);
    auto* heading = new QLabel(shownText(cannotReadTitle(file_->url().filename().string())));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    auto* description = new QLabel(file_->loadError().value_or(QString()));
    description->setForegroundRole(QPalette::PlaceholderText);
    description->setAlignment(Qt::AlignCenter);
    description->setWordWrap(true);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* label : {heading, description})
        label->setAccessibleName(label->text());
    column->addWidget(symbol);
    column->addWidget(heading);
    column->addWidget(description);
}

void FileDetailView::buildContents() {
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("detailSplit"));
    split->setChildrenCollapsible(false);
    content_ = split;

    auto* upper = new QWidget;
    upper->setMinimumHeight(upperPaneMinimum);
    auto* column = new QVBoxLayout(upper);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    form_ = new SettingsForm(*file_, locale_);
    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    table_ = new POITable(*file_, locale_);
    table_->setSearch(search_);
    // As tall as the form where there is room, a scrolled view of it where there is not.
    auto* formView = new FittingScrollArea;
    formView->setObjectName(QStringLiteral("settingsScroll"));
    formView->setWidget(form_);
    formView->setWidgetResizable(true);
    formView->setFrameShape(QFrame::NoFrame);
    formView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formView->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    column->addWidget(formView);
    column->addWidget(divider);
    column->addWidget(table_, 1);

    map_ = new POIMap(*file_, *table_->rows(), locale_, tiles_);
    map_->setMinimumHeight(lowerPaneMinimum);
    split->addWidget(upper);
    split->addWidget(map_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    connect(table_, &POITable::selectedRowChanged, this,
            [this](std::optional<std::int64_t> id) { setSelectedRow(id); });
    connect(map_, &POIMap::rowPicked, this, [this](std::int64_t id) { setSelectedRow(id); });
    // A new search, or new rows filtered by it: the map shows what the table shows.
    connect(table_->rows(), &QAbstractItemModel::modelReset, this, [this] {
        map_->refresh(selectedRow_);
        Q_EMIT matchesChanged();
    });
    table_->setSelectedRow(selectedRow_);
    map_->refresh(selectedRow_);
}

} // namespace marklode
