#include "ui/main/SidebarModel.h"

#include "core/text/Translation.h"
#include "models/DeviceViewModel.h"
#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/widgets/ShownText.h"

namespace marklode {

namespace {

// Internal ids: 0 for the sections, 1 + section for their rows.
constexpr quintptr sectionId = 0;
quintptr rowId(int section) {
    return static_cast<quintptr>(section) + 1;
}

} // namespace

SidebarModel::SidebarModel(LibraryViewModel& library, DeviceViewModel& deviceModel, QObject* parent)
    : QAbstractItemModel(parent), library_(library), devices_(deviceModel),
      fileRows_(currentFileRows()), deviceRows_(currentDeviceRows()) {
    connect(&library_, &LibraryViewModel::filesChanged, this,
            [this] { follow(files, fileRows_, currentFileRows()); });
    connect(&devices_, &DeviceViewModel::devicesChanged, this,
            [this] { follow(devices, deviceRows_, currentDeviceRows()); });
    auto repaintDevices = [this] {
        int count = rowCount(index(devices, 0));
        if (count > 0)
            Q_EMIT dataChanged(index(0, 0, index(devices, 0)),
                               index(count - 1, 0, index(devices, 0)));
    };
    connect(&devices_, &DeviceViewModel::selectionChanged, this, repaintDevices);
    connect(&devices_, &DeviceViewModel::isBusyChanged, this, repaintDevices);
    watchFiles();
}

std::vector<InputFile*> SidebarModel::currentFileRows() const {
    const QList<InputFile*>& files = library_.files();
    if (files.isEmpty())
        return {nullptr};
    return {files.begin(), files.end()};
}

std::vector<std::optional<GarminDevice>> SidebarModel::currentDeviceRows() const {
    const std::vector<GarminDevice>& devices = devices_.devices();
    if (devices.empty())
        return {std::nullopt};
    return {devices.begin(), devices.end()};
}

// Only the rows that came or went are told, so that the view keeps what it shows around
// them: the rows in between, the current row, the help beside "No Garmin found".
template <typename Row>
void SidebarModel::follow(Section section, std::vector<Row>& rows, std::vector<Row> now) {
    std::size_t same = 0;
    while (same < rows.size() && same < now.size() && rows[same] == now[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (same + sameAtEnd < rows.size() && same + sameAtEnd < now.size() &&
           rows[rows.size() - 1 - sameAtEnd] == now[now.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    auto first = static_cast<int>(same);
    auto removed = static_cast<int>(rows.size() - same - sameAtEnd);
    auto inserted = static_cast<int>(now.size() - same - sameAtEnd);
    QModelIndex parent = index(section, 0);
    if (removed > 0) {
        beginRemoveRows(parent, first, first + removed - 1);
        rows.erase(rows.begin() + first, rows.begin() + first + removed);
        if (section == files)
            watchFiles();
        endRemoveRows();
    }
    if (inserted > 0) {
        beginInsertRows(parent, first, first + inserted - 1);
        rows.insert(rows.begin() + first, std::make_move_iterator(now.begin() + first),
                    std::make_move_iterator(now.begin() + first + inserted));
        if (section == files)
            watchFiles();
        endInsertRows();
    }
}

// Each file tells its own row: asking sender() which file spoke walks every connection of the
// model, tens of thousands with a large library.
void SidebarModel::watchFiles() {
    QHash<const InputFile*, int> rows;
    for (int row = 0; row < static_cast<int>(fileRows_.size()); ++row) {
        InputFile* file = fileRows_[static_cast<std::size_t>(row)];
        if (!file)
            continue;
        rows.insert(file, row);
        if (rows_.contains(file))
            continue;
        for (auto signal :
             {&InputFile::rowsChanged, &InputFile::issuesChanged, &InputFile::loadErrorChanged,
              &InputFile::isLoadingChanged, &InputFile::isDeletedOnDiskChanged})
            connect(file, signal, this, [this, file] { fileChanged(file); });
    }
    rows_ = std::move(rows);
}

void SidebarModel::fileChanged(const InputFile* file) {
    QModelIndex at = indexOfFile(file);
    if (at.isValid())
        Q_EMIT dataChanged(at, at);
}

QModelIndex SidebarModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, 0, sectionId);
    return createIndex(row, 0, rowId(parent.row()));
}

QModelIndex SidebarModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == sectionId)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, sectionId);
}

int SidebarModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 2;
    if (parent.internalId() != sectionId)
        return 0;
    return static_cast<int>(parent.row() == files ? fileRows_.size() : deviceRows_.size());
}

int SidebarModel::columnCount(const QModelIndex&) const {
    return 1;
}

SidebarModel::RowKind SidebarModel::kindOf(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == sectionId)
        return RowKind::section;
    auto row = static_cast<std::size_t>(index.row());
    if (index.internalId() == rowId(files))
        return fileRows_.at(row) ? RowKind::file : RowKind::noFiles;
    return deviceRows_.at(row) ? RowKind::device : RowKind::noDevice;
}

InputFile* SidebarModel::fileAt(const QModelIndex& index) const {
    return kindOf(index) == RowKind::file ? fileRows_[static_cast<std::size_t>(index.row())]
                                          : nullptr;
}

std::optional<GarminDevice> SidebarModel::deviceAt(const QModelIndex& index) const {
    if (kindOf(index) != RowKind::device)
        return std::nullopt;
    return deviceRows_[static_cast<std::size_t>(index.row())];
}

QModelIndex SidebarModel::indexOfFile(const InputFile* file) const {
    auto row = rows_.find(file);
    return row == rows_.end() ? QModelIndex() : index(*row, 0, index(files, 0));
}

QString SidebarModel::poiCountText(std::size_t count, const QLocale& locale) {
    //: A file's POI count, the number grouped as the locale groups it: "1,204 POIs".
    return tr("%1 POIs", nullptr, pluralCount(count))
        .arg(locale.toString(static_cast<qulonglong>(count)));
}

QString SidebarModel::issueTooltip(std::size_t count) {
    return tr("%n rows were skipped. Click to see why.", nullptr, pluralCount(count));
}

QVariant SidebarModel::data(const QModelIndex& index, int role) const {
    RowKind kind = kindOf(index);
    if (role == kindRole)
        return static_cast<int>(kind);
    switch (kind) {
    case RowKind::section:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return index.row() == files ? tr("Files") : tr("Devices");
        return {};
    case RowKind::noFiles:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return tr("Drop .csv or .gpx files to begin.");
        return {};
    case RowKind::noDevice:
        if (role == Qt::AccessibleTextRole)
            return tr("No Garmin found");
        // The row's link, for those who reach it from the keyboard (Return opens it).
        if (role == Qt::AccessibleDescriptionRole)
            return tr("Why isn't my Garmin shown?");
        return {};
    case RowKind::file: {
        const InputFile* file = fileAt(index);
        auto detail = [&] {
            if (file->isLoading())
                return tr("Reading\u2026");
            if (file->loadError() && file->isDeletedOnDisk())
                return tr("No longer on disk");
            if (file->loadError())
                return tr("Could not read file");
            QString count = poiCountText(file->rows().size(), library_.locale());
            if (file->isDeletedOnDisk())
                //: A file's POI count, then that the file is gone from the disk: "12 POIs ·
                //: deleted on disk".
                return tr("%1 \u00B7 deleted on disk").arg(count);
            return count;
        };
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return shownFileName(file->url());
        case Qt::AccessibleDescriptionRole:
            return file->issues().empty()
                       ? detail()
                       : detail() + QStringLiteral(". ") + issueTooltip(file->issues().size());
        case detailRole:
            return detail();
        case isErrorRole:
            return !file->isLoading() && file->loadError().has_value();
        case issueCountRole:
            return static_cast<qulonglong>(file->issues().size());
        case fileKindRole:
            return static_cast<int>(file->kind());
        default:
            return {};
        }
    }
    case RowKind::device: {
        GarminDevice device = *deviceAt(index);
        QString volume = shownText(device.volumeName());
        QString caption = device.hasDeviceXML ? volume
                                              //: A memory card in a device, then its volume's
                                              //: name.
                                              : tr("SD card \u00B7 %1").arg(volume);
        std::optional<GarminDevice> selected = devices_.selectedDevice();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return shownText(device.displayName());
        case Qt::AccessibleDescriptionRole:
        case detailRole:
            return caption;
        case hasDeviceXMLRole:
            return device.hasDeviceXML;
        case isSelectedDeviceRole:
            return selected && selected->volumeURL == device.volumeURL;
        default:
            return {};
        }
    }
    }
    return {};
}

Qt::ItemFlags SidebarModel::flags(const QModelIndex& index) const {
    switch (kindOf(index)) {
    case RowKind::file:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    case RowKind::device:
    case RowKind::noDevice:
        return Qt::ItemIsEnabled;
    default:
        return Qt::ItemIsEnabled;
    }
}

} // namespace marklode
