#include "WindowFixture.h"
#include "core/devices/Backups.h"
#include "core/devices/GPIBytes.h"
#include "ui/devices/DeviceActions.h"
#include "ui/devices/RestoreBackupDialog.h"
#include "ui/main/Sidebar.h"
#include "ui/main/SidebarModel.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using namespace marklode;
using namespace marklode::test;

namespace {

class RestoreBackupTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }

    Path addBackup(const std::string& name, const std::string& contents) {
        return dir.write("backups/GPS/" + name + "/poi.gpi", contents).parent_path();
    }

    // Opens the device row's context menu and answers whether "Restore Backup…" was enabled,
    // choosing it when it was.
    bool chooseRestoreFromMenu() {
        bool enabled = false, shown = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            shown = true;
            for (QAction* action : menu->actions())
                if (action->text() == "Restore Backup\u2026") {
                    enabled = action->isEnabled();
                    if (enabled)
                        action->trigger();
                }
            menu->close();
        });
        QTreeView* list = window->sidebar()->list();
        SidebarModel* model = window->sidebar()->model();
        QModelIndex row = model->index(0, 0, model->index(SidebarModel::devices, 0));
        Q_EMIT list->customContextMenuRequested(list->visualRect(row).center());
        EXPECT_TRUE(shown) << "no context menu";
        return enabled;
    }

    template <class Dialog> Dialog* openDialog() {
        Dialog* found = nullptr;
        (void)QTest::qWaitFor([&] {
            for (Dialog* dialog : window->findChildren<Dialog*>())
                if (dialog->isVisible())
                    found = dialog;
            return found != nullptr;
        });
        return found;
    }
};

std::string gpiText(const std::vector<std::pair<std::string, int>>& categories) {
    Bytes bytes = gpiFile(categories);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST_F(RestoreBackupTest, MenuListsTheBackupsAndAConfirmedRestoreWritesTheChosenOne) {
    Path volume = plugIn("GPS");
    dir.write("GPS/Garmin/POI/poi.gpi", "current");
    EXPECT_FALSE(chooseRestoreFromMenu()) << "enabled without backups";

    const std::string older = gpiText({{"A", 1000}, {"B", 234}});
    addBackup("2025-03-01_09-15-00", older);
    addBackup("2025-03-01_09-15-00-2", "damaged");
    addBackup("2025-03-02_10-00-00", gpiText({{"A", 5}}));
    ASSERT_TRUE(chooseRestoreFromMenu());
    // Asked again while the backups are read; either answer may arrive first, so both show
    // the window's locale.
    window->deviceActions()->restoreBackup(devices->devices().front());

    auto* chooser = openDialog<RestoreBackupDialog>();
    ASSERT_TRUE(chooser);
    QTest::qWait(50);
    EXPECT_EQ(window->findChildren<RestoreBackupDialog*>().size(), 1);
    QTreeWidget* list = chooser->list();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const QLocale english(QStringLiteral("en_US"));
    auto shown = [&](const char* name) {
        return shownBackupTime(BackupEntry{name, backups::stampTime(name), 0}, english);
    };
    const QStringList expected[] = {{shown("2025-03-02_10-00-00"), "5"},
                                    {shown("2025-03-01_09-15-00-2"), "Damaged"},
                                    {shown("2025-03-01_09-15-00"), "1,234"}};
    for (int row = 0; row < 3; ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        EXPECT_EQ((QStringList{item->text(0), item->text(1)}), expected[row]) << row;
    }
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());
    EXPECT_FALSE(list->topLevelItem(1)->flags() & Qt::ItemIsSelectable);

    list->setCurrentItem(list->topLevelItem(2));
    chooser->findChild<QPushButton*>("chooseBackup")->click();
    auto* sheet = openDialog<RestoreConfirmationSheet>();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->findChild<QLabel*>("valuePOIs")->text(), "1,234");
    EXPECT_EQ(spoken(sheet->findChild<QLabel*>("valueDevice")), "Device GPS");
    EXPECT_EQ(sheet->findChild<QLabel*>("existingPOIs")->text(),
              "The custom POIs now on this device will be replaced. Marklode backs them up "
              "first.");

    // While it writes, no second restore can be started.
    Gate gate;
    fileSystem->hold = gate.waiter();
    sheet->findChild<QPushButton*>("confirmRestore")->click();
    ASSERT_TRUE(gate.arrived(1));
    EXPECT_TRUE(devices->isBusy());
    EXPECT_FALSE(chooseRestoreFromMenu()) << "enabled while busy";
    gate.openAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !devices->isBusy(); }));

    EXPECT_EQ(readText(volume / "Garmin/POI/poi.gpi"), older);
    ASSERT_TRUE(devices->resultMessage()) << devices->errorMessage().value_or("").toStdString();
    EXPECT_TRUE(devices->resultMessage()->startsWith(
        "Restored the backup of " + shown("2025-03-01_09-15-00") + " to GPS: 1,234 POIs."));
    ASSERT_TRUE(devices->lastBackup());
    EXPECT_EQ(readText(*devices->lastBackup() / "poi.gpi"), "current");
}
