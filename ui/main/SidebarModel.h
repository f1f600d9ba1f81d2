#pragma once

#include "core/devices/GarminDevice.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <optional>
#include <vector>

namespace marklode {

class DeviceViewModel;
class InputFile;
class LibraryViewModel;

// The sidebar as a two-level list: the sections "Files" and "Devices", each with its rows. It
// copies nothing: every value is read from the models when a row is drawn.
class SidebarModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    enum Section { files = 0, devices = 1 };
    enum class RowKind { section, file, noFiles, device, noDevice };
    enum Role {
        kindRole = Qt::UserRole + 1, // RowKind as int
        detailRole,                  // the line below the name
        isErrorRole,                 // the detail line is an error (red)
        issueCountRole,              // skipped rows of a file
        fileKindRole,                // InputKind as int
        hasDeviceXMLRole,
        isSelectedDeviceRole,
    };

    SidebarModel(LibraryViewModel& library, DeviceViewModel& devices, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    RowKind kindOf(const QModelIndex& index) const;
    InputFile* fileAt(const QModelIndex& index) const;
    std::optional<GarminDevice> deviceAt(const QModelIndex& index) const;
    QModelIndex indexOfFile(const InputFile* file) const;

    // "1 POI", "0 POIs", "1,234 POIs" in the locale.
    static QString poiCountText(std::size_t count, const QLocale& locale);
    static QString issueTooltip(std::size_t count);

  private:
    // The rows as the models hold them now; one empty row stands for none.
    std::vector<InputFile*> currentFileRows() const;
    std::vector<std::optional<GarminDevice>> currentDeviceRows() const;
    template <typename Row>
    void follow(Section section, std::vector<Row>& rows, std::vector<Row> now);
    void watchFiles();
    void fileChanged(const InputFile* file);

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    // The rows as last told to the views.
    std::vector<InputFile*> fileRows_;
    std::vector<std::optional<GarminDevice>> deviceRows_;
    QHash<const InputFile*, int> rows_; // the files watched, by their rows
};

} // namespace marklode
