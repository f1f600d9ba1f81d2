#include "ui/main/MainWindow.h"

#include "WindowFixture.h"
#include "models/InputFile.h"
#include "support/GPITestSupport.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/POITable.h"
#include "ui/detail/SettingsForm.h"
#include "ui/devices/DeviceActions.h"
#include "ui/devices/SendConfirmationSheet.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/main/DropZone.h"
#include "ui/main/IssuesPopover.h"
#include "ui/main/Sidebar.h"
#include "ui/main/SidebarDelegate.h"
#include "ui/main/SidebarModel.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/NextAnswer.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <fstream>

using namespace marklode;
using namespace marklode::test;

namespace {

class MainWindowTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }

    QWidget* detail() const { return window->findChild<QStackedWidget*>()->currentWidget(); }
    QModelIndex fileRow(int row) const {
        SidebarModel* model = window->sidebar()->model();
        return model->index(row, 0, model->index(SidebarModel::files, 0));
    }
    // Where the first file's skipped-rows button is on the screen.
    QRect issueButton() const {
        QTreeView* list = window->sidebar()->list();
        QStyleOptionViewItem option;
        option.rect = list->visualRect(fileRow(0));
        option.font = list->font();
        QRect button = SidebarDelegate::issueButtonRect(option, fileRow(0));
        return QRect(list->viewport()->mapToGlobal(button.topLeft()), button.size());
    }
    IssuesPopover* clickIssueButton() const {
        QWidget* viewport = window->sidebar()->list()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          viewport->mapFromGlobal(issueButton().center()));
        return window->findChild<IssuesPopover*>();
    }
};

} // namespace

TEST_F(MainWindowTest, EmptyStateThenAFileEnablesTheSaveActions) {
    EXPECT_EQ(fileRow(0).data().toString(), "Drop .csv or .gpx files to begin.");
    EXPECT_EQ(detail()->objectName(), "dropZone");
    EXPECT_TRUE(window->addFilesAction()->isEnabled());
    EXPECT_FALSE(window->saveFileAction()->isEnabled());
    EXPECT_FALSE(window->saveAllAction()->isEnabled());

    addFile("stops.csv", std::string(oneRow));
    EXPECT_TRUE(window->saveFileAction()->isEnabled());
    EXPECT_TRUE(window->saveAllAction()->isEnabled());
    EXPECT_EQ(detail()->objectName(), "fileDetail");
    EXPECT_EQ(window->windowTitle(), "stops.csv \u2014 1 POIs");
    EXPECT_EQ(window->sidebar()->list()->currentIndex(), fileRow(0));

    library->setSelection(std::nullopt);
    EXPECT_FALSE(window->saveFileAction()->isEnabled());
    EXPECT_EQ(detail()->objectName(), "dropZone");
}

TEST_F(MainWindowTest, FileRowsShowCountsErrorsAndSkippedRows) {
    struct Case {
        std::string name, text, detail;
        bool isError;
        qulonglong issues;
    };
    std::string many = "Name,Latitude,Longitude\n";
    for (int i = 0; i < 1234; ++i)
        many += "P,47,8\n";
    const Case cases[] = {
        {"one.csv", std::string(oneRow), "1 POI", false, 0},
        {"none.csv", "Name,Latitude,Longitude\nBad,x,8\n", "0 POIs", false, 1},
        {"many.csv", many, "1,234 POIs", false, 0},
        {"broken.gpx", "<gpx><wpt", "Could not read file", true, 0},
    };
    for (const Case& c : cases)
        addFile(c.name, c.text);
    for (int row = 0; row < 4; ++row) {
        const Case& c = cases[row];
        QModelIndex index = fileRow(row);
        EXPECT_EQ(index.data().toString().toStdString(), c.name);
        EXPECT_EQ(index.data(SidebarModel::detailRole).toString().toStdString(), c.detail)
            << c.name;
        EXPECT_EQ(index.data(SidebarModel::isErrorRole).toBool(), c.isError) << c.name;
        EXPECT_EQ(index.data(SidebarModel::issueCountRole).toULongLong(), c.issues) << c.name;
    }
    EXPECT_EQ(fileRow(1).data(Qt::AccessibleDescriptionRole).toString(),
              "0 POIs. 1 rows were skipped. Click to see why.");
}

TEST_F(MainWindowTest, F5ReadsTheSelectedFileAgainAndADeletedFileSaysSo) {
    int reads = 0;
    readInput = [&](const Path& url) {
        ++reads;
        return readFileBytes(url);
    };
    Path stops = addFile("stops.csv", std::string(oneRow))->url();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reads == 2; }));

    std::filesystem::remove(stops);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return fileRow(0).data(SidebarModel::detailRole) ==
               QStringLiteral("1 POI \u00B7 deleted on disk");
    }));
}

// A scale of 2 on a 1600 × 1000 screen leaves 800 × 500: every control must still be on it.
TEST_F(MainWindowTest, TheWindowFitsSevenTwentyByFourEightyWithEveryControlOnIt) {
    InputFile* file = addFile("stops.csv", std::string(oneRow));
    ByteVector bmp = makeBMP(BMPSpec{2, 2}, [](std::size_t, std::size_t) { return BGR{}; });
    file->applyIconSource(
        IconSource::custom(dir.write("an icon whose name is far too long for the row.bmp",
                                     std::string(bmp.begin(), bmp.end()))));
    window->resize(720, 480);
    QTest::qWait(50);
    EXPECT_EQ(window->size(), QSize(720, 480));
    for (const char* name : {"sendToDevice", "settingsScroll", "detailSplit"}) {
        auto* control = window->findChild<QWidget*>(name);
        QRect shown(control->mapTo(window.get(), QPoint()), control->size());
        EXPECT_TRUE(window->rect().contains(shown)) << name;
    }
    auto* detail = qobject_cast<FileDetailView*>(this->detail());
    ElidedLabel* source = detail->settingsForm()->iconSourceLabel();
    EXPECT_EQ(source->toolTip(), source->text()) << "cut short, the whole name is its tooltip";
}

TEST_F(MainWindowTest, TheAddDialogTakesAFolderAsWellAsFiles) {
    std::filesystem::create_directories(dir / "routes");
    dir.write("stops.csv", std::string(oneRow));
    for (const char* chosen : {"routes", "stops.csv"}) {
        FilesAndFoldersDialog dialog(window.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setDirectory(QString::fromStdString(dir.path().string()));
        dialog.selectFile(QString::fromUtf8(chosen));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << chosen;
        EXPECT_EQ(dialog.selectedFiles(),
                  QStringList{QString::fromStdString((dir / chosen).string())});
    }
}

// Rows come and go one by one: the view keeps its current row and the help beside "No Garmin
// found" while files are added and removed, and the help goes and comes back with a device.
TEST_F(MainWindowTest, TheSidebarChangesOnlyTheRowsThatChange) {
    SidebarModel* model = window->sidebar()->model();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    addFile("a.csv", std::string(oneRow));
    QPointer<QWidget> help = window->findChild<QPushButton*>("whyNoGarmin");
    ASSERT_TRUE(help);
    addFile("b.csv", std::string(oneRow));
    library->setSelection(library->files()[1]->id());
    addFile("c.csv", std::string(oneRow));
    library->remove(library->files()[0]->id());
    EXPECT_EQ(window->sidebar()->list()->currentIndex(), fileRow(0)) << "b stays current";
    EXPECT_EQ(library->selectedFile(), library->files()[0]);
    library->remove(library->selectedFile()->id());
    EXPECT_EQ(library->selectedFile(), library->files()[0]) << "the library picks the next";
    EXPECT_EQ(window->sidebar()->list()->currentIndex(), fileRow(0));
    EXPECT_TRUE(help) << "the help was left alone";

    plugIn("GPS");
    EXPECT_FALSE(help) << "a device takes the help's row";
    volumes.clear();
    await(devices->refresh());
    EXPECT_TRUE(window->findChild<QPushButton*>("whyNoGarmin"));
    EXPECT_EQ(resets.count(), 0);
}

TEST_F(MainWindowTest, EachAlertClearsOnlyItsOwnMessage) {
    library->setAlertMessage(QStringLiteral("Library trouble"));
    devices->setErrorMessage(QStringLiteral("Device trouble"));
    ASSERT_EQ(alerts().size(), 2u);
    for (QMessageBox* box : alerts())
        if (box->informativeText() == QStringLiteral("Library trouble"))
            box->button(QMessageBox::Ok)->click();
    EXPECT_EQ(library->alertMessage(), std::nullopt);
    EXPECT_EQ(devices->errorMessage(), QStringLiteral("Device trouble"));
    ASSERT_EQ(alerts().size(), 1u);

    // A replaced alert still tells its watchers (the accessibility cache among them) it is gone.
    QPointer<QMessageBox> replaced = alerts().front();
    QSignalSpy gone(replaced.get(), &QObject::destroyed);
    devices->setErrorMessage(QStringLiteral("Other trouble"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return replaced.isNull(); }));
    EXPECT_EQ(gone.count(), 1);

    ASSERT_EQ(alerts().size(), 1u);
    alerts().front()->button(QMessageBox::Ok)->click();
    EXPECT_EQ(devices->errorMessage(), std::nullopt);
}

TEST_F(MainWindowTest, DoneAlertOffersEjectAndTheBackupOnlyWhenTheyApply) {
    addFile("stops.csv", std::string(oneRow));
    Path volume = plugIn("GPS");
    await(devices->sendLibrary(*library, devices->devices().front()));
    ASSERT_EQ(alerts().size(), 1u);
    EXPECT_EQ(buttonTexts(alerts().front()), (QStringList{"Eject GPS", "OK"}));
    QTest::keyClick(alerts().front(), Qt::Key_Escape);
    EXPECT_EQ(devices->resultMessage(), std::nullopt);

    await(devices->sendLibrary(*library, devices->devices().front()));
    ASSERT_EQ(alerts().size(), 1u);
    QMessageBox* done = alerts().front();
    EXPECT_EQ(buttonTexts(done), (QStringList{"Eject GPS", "Show Backup in File Manager", "OK"}));
    for (QAbstractButton* button : done->buttons())
        if (button->text() == QStringLiteral("Show Backup in File Manager"))
            button->click();
    EXPECT_EQ(revealed.size(), 1u);
    EXPECT_EQ(devices->resultMessage(), std::nullopt);
}

TEST_F(MainWindowTest, SendSheetSaysWhatItReplacesAndAGoneDeviceIsReported) {
    struct Case {
        bool replaces;
        std::int64_t size, free;
        QString facts, refusal;
    } cases[] = {
        {false, 1'200'000, 3'400'000'000, "Size 1.2 MB,Free space 3.4 GB", ""},
        {true, 2'000'000, 1'000'000, "Size 2 MB,Free space 1 MB",
         "\u201CDrive 53\u201D doesn't have enough free space. Marklode needs 2.1 MB, but only 1 "
         "MB "
         "is free."},
    };
    for (const Case& c : cases) {
        bool replaces = c.replaces;
        SendPlan plan{dir / "GPS", "Drive 53", 1234, 12345, replaces, c.size, c.free};
        SendConfirmationSheet sheet(plan, QLocale(QStringLiteral("en_US")), window.get());
        for (QString fact : c.facts.split(','))
            EXPECT_EQ(spoken(sheet.findChild<QLabel*>("value" + fact.section(' ', 0, -3))), fact);
        // Told before confirming, in the words the transfer would refuse it with.
        auto* refusal = sheet.findChild<QLabel*>("cannotConfirm");
        EXPECT_EQ(refusal ? refusal->text() : QString(), c.refusal);
        EXPECT_EQ(sheet.findChild<QPushButton*>("confirmSend")->isEnabled(), c.refusal.isEmpty());
        EXPECT_EQ(sheet.windowTitle(), "Send to Drive 53?");
        EXPECT_EQ(sheet.findChild<QLabel*>("valueCategories")->text(), "1,234");
        EXPECT_EQ(sheet.findChild<QLabel*>("valuePOIs")->text(), "12,345");
        for (QString fact :
             {"Device Drive 53", "Categories 1,234", "POIs 12,345", "File Garmin/POI/poi.gpi"})
            EXPECT_EQ(spoken(sheet.findChild<QLabel*>("value" + fact.section(' ', 0, 0))), fact);
        EXPECT_EQ(sheet.findChild<QPushButton*>("confirmSend")->text(),
                  replaces ? "Back Up and Replace" : "Send");
        EXPECT_EQ(sheet.findChild<QLabel*>("existingPOIs")->text(),
                  replaces ? "The custom POIs already on this device will be replaced. Marklode "
                             "backs them up first."
                           : "This device has no custom POIs yet.");
    }
    window->deviceActions()->askToSend(SendPlan{dir / "gone", "Drive 53", 1, 1, false});
    window->findChild<SendConfirmationSheet*>()->accept();
    EXPECT_EQ(devices->errorMessage(), "\u201CDrive 53\u201D is no longer connected.");
}

TEST_F(MainWindowTest, RemovalHappensOnlyWhenConfirmed) {
    Path volume = plugIn("GPS");
    std::filesystem::create_directories(volume / "Garmin/POI");
    std::ofstream(volume / "Garmin/POI/poi.gpi") << "old";
    GarminDevice device = devices->devices().front();

    NextAnswer::set(QMessageBox::RejectRole);
    window->deviceActions()->removeCustomPOIs(device);
    EXPECT_TRUE(std::filesystem::exists(volume / "Garmin/POI/poi.gpi"));

    // A device unplugged while the question is open is reported, not written to.
    window->deviceActions()->removeCustomPOIs(device);
    ASSERT_EQ(alerts().size(), 1u);
    QMessageBox* question = alerts().front();
    volumes.clear();
    await(devices->refresh());
    for (QAbstractButton* button : question->buttons())
        if (question->buttonRole(button) == QMessageBox::DestructiveRole)
            button->click();
    EXPECT_EQ(devices->errorMessage(), "\u201CGPS\u201D is no longer connected.");
    devices->setErrorMessage(std::nullopt);
    volumes.push_back(volume);
    await(devices->refresh());

    NextAnswer::set(QMessageBox::DestructiveRole);
    window->deviceActions()->removeCustomPOIs(device);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !devices->isBusy() && devices->resultMessage(); }));
    EXPECT_FALSE(std::filesystem::exists(volume / "Garmin/POI/poi.gpi"));
    EXPECT_TRUE(devices->lastBackup());
}

TEST_F(MainWindowTest, DropsReachTheLibraryAndTheZoneHighlightsWhileHovering) {
    auto* zone = window->findChild<DropZone*>();
    Path csv = dir.write("dropped.csv", oneRow);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(csv.string()))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(zone, &enter);
    EXPECT_TRUE(zone->isTargeted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(zone, &drop);
    EXPECT_FALSE(zone->isTargeted());
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->files().size() == 1; }));
    ASSERT_EQ(library->files().size(), 1u);
    EXPECT_EQ(library->files().front()->url(), csv);

    QMimeData nothing;
    QDropEvent empty(QPointF(50, 50), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &empty);
    EXPECT_FALSE(empty.isAccepted());
}

TEST_F(MainWindowTest, FileDialogsProposeNamesAndHandOnTheirAnswer) {
    InputFile* stops = addFile("my.stops.csv", std::string(oneRow));
    EXPECT_EQ(proposedGPIName(*stops), "my.stops.gpi");

    NextAnswer::set(std::optional<QStringList>());
    presentAddFilesPanel(*library, window.get());
    QTest::qWait(20);
    EXPECT_EQ(library->files().size(), 1u);

    Path other = dir.write("other.gpx", R"(<gpx><wpt lat="47" lon="8"><name>W</name></wpt></gpx>)");
    NextAnswer::set(
        std::optional<QStringList>(QStringList{QString::fromStdString(other.string())}));
    presentAddFilesPanel(*library, window.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->files().size() == 2; }));
    EXPECT_EQ(library->files().size(), 2u);

    Path target = dir / "out.gpi";
    NextAnswer::set(
        std::optional<QStringList>(QStringList{QString::fromStdString(target.string())}));
    presentSaveFilePanel(*stops, *library, window.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->statusMessage().has_value(); }));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(library->statusMessage(), "Saved 1 file.");
}

TEST_F(MainWindowTest, WhileWritingTheBarShowsProgressAndEjectWaits) {
    addFile("stops.csv", std::string(oneRow));
    plugIn("GPS");
    Gate gate;
    fileSystem->hold = gate.waiter();
    auto* send = window->findChild<QPushButton*>("sendToDevice");
    SidebarModel* model = window->sidebar()->model();
    QModelIndex deviceRow = model->index(0, 0, model->index(SidebarModel::devices, 0));
    auto* delegate = qobject_cast<SidebarDelegate*>(window->sidebar()->list()->itemDelegate());
    EXPECT_TRUE(send->isVisible());
    EXPECT_EQ(delegate->ejectTooltip(deviceRow), "Eject GPS");

    // The plan is made off the main thread; a second click meanwhile brings no second sheet.
    send->click();
    send->click();
    SendConfirmationSheet* sheet = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (sheet = window->findChild<SendConfirmationSheet*>()) != nullptr; }));
    QTest::qWait(50);
    EXPECT_EQ(window->findChildren<SendConfirmationSheet*>().size(), 1);
    EXPECT_EQ(sheet->findChild<QLabel*>("valuePOIs")->text(), "1");
    sheet->reject();

    QFuture<void> sending = devices->sendLibrary(*library, devices->devices().front());
    ASSERT_TRUE(gate.arrived(1));
    EXPECT_FALSE(send->isVisible());
    EXPECT_FALSE(delegate->ejectEnabled());
    EXPECT_EQ(delegate->ejectTooltip(deviceRow), "Wait until writing has finished.");
    gate.openAll();
    await(sending);
    EXPECT_TRUE(send->isVisible());
    EXPECT_TRUE(delegate->ejectEnabled());
}

TEST_F(MainWindowTest, TheSidebarWorksFromTheKeyboard) {
    addFile("stops.csv", std::string(oneRow));
    Path volume = plugIn("GPS");
    QTreeView* list = window->sidebar()->list();
    list->setFocus();
    // The menu key and Shift+F10 open the current row's menu, wherever the mouse is.
    auto menuKey = [&](bool shiftF10 = false) {
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    items << action->text();
                menu->close();
            }
        });
        if (shiftF10) {
            QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
            return items;
        }
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                list->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(list, &event);
        return items;
    };
    EXPECT_EQ(menuKey(), QStringList{"Remove from List"});

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(devices->selection(), volume) << "arrow keys select devices as clicks do";
    EXPECT_EQ(menuKey(true),
              (QStringList{"Send to Device\u2026", "Remove Custom POIs from Device\u2026",
                           "Restore Backup\u2026", "", "Eject"}));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(library->files().isEmpty());
}

// The menu bar's Device menu acts on the selected device, each entry only when it applies.
TEST_F(MainWindowTest, TheDeviceMenuOffersWhatAppliesToTheSelectedDevice) {
    QMenu menu;
    window->deviceActions()->addSelectedDeviceActions(menu);
    // Send, Remove, Restore, Eject, Show Backups.
    auto enabled = [&] {
        QString states;
        for (QAction* action : menu.actions())
            if (!action->isSeparator())
                states += action->isEnabled() ? '1' : '0';
        return states;
    };
    EXPECT_EQ(enabled(), "00000") << "no device";
    plugIn("GPS");
    EXPECT_EQ(enabled(), "01010") << "nothing to send, no backups";
    addFile("stops.csv", std::string(oneRow));
    dir.write("backups/GPS/2025-03-01_09-15-00/poi.gpi", "x");
    Q_EMIT menu.aboutToShow();
    EXPECT_EQ(enabled(), "11111");
    menu.actions().back()->trigger();
    EXPECT_EQ(revealed, std::vector<Path>{dir / "backups/GPS"});

    Gate gate;
    fileSystem->hold = gate.waiter();
    QFuture<void> sending = devices->sendLibrary(*library, devices->devices().front());
    ASSERT_TRUE(gate.arrived(1));
    EXPECT_EQ(enabled(), "00001") << "while writing";
    gate.openAll();
    await(sending);
}

// A name may hold a line break or a direction control (U+202E shows "txt.exe.csv" backwards);
// wherever the window shows it, they are made visible instead of acting.
TEST_F(MainWindowTest, ControlAndDirectionCharactersInNamesAreShownNotObeyed) {
    struct Case {
        std::string name;
        QString shown, category;
    } cases[] = {
        {"two\nlines.csv", "two\\nlines.csv", "two lines"},
        {"\u202Etxt.exe.csv", "\\u202etxt.exe.csv", "txt.exe"},
    };
    for (int row = 0; row < 2; ++row) {
        const Case& c = cases[row];
        InputFile* file = addFile(c.name, std::string(oneRow));
        library->setSelection(file->id());
        EXPECT_EQ(fileRow(row).data().toString(), c.shown);
        EXPECT_EQ(window->windowTitle(), c.shown + " \u2014 1 POIs");
        EXPECT_EQ(file->categoryName(), c.category);
    }
    plugIn("GPS\u202E53");
    SidebarModel* model = window->sidebar()->model();
    EXPECT_EQ(model->index(0, 0, model->index(SidebarModel::devices, 0)).data().toString(),
              "GPS\\u202e53");
    SendConfirmationSheet sheet(SendPlan{volumes.back(), "GPS\n53", 1, 1, false},
                                QLocale(QStringLiteral("en_US")), window.get());
    EXPECT_EQ(sheet.windowTitle(), "Send to GPS\\n53?");
}

// Return must not do what can't be undone; and Ctrl+Shift+S saves all whatever the desktop.
TEST_F(MainWindowTest, ReturnCancelsADestructiveQuestionAndTheSaveKeysWorkEverywhere) {
    QMessageBox::ButtonRole answer = QMessageBox::NoRole;
    QMessageBox* question = askQuestion(
        window.get(), "Remove?", "Gone for good.",
        {{"Back Up and Remove", QMessageBox::DestructiveRole}, {"Cancel", QMessageBox::RejectRole}},
        [&](QMessageBox::ButtonRole role) { answer = role; });
    QTest::keyClick(question, Qt::Key_Return);
    EXPECT_EQ(answer, QMessageBox::RejectRole);

    addFile("stops.csv", std::string(oneRow));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (auto modifier : {Qt::ShiftModifier, Qt::AltModifier}) {
        NextAnswer::set(std::optional<QStringList>());
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | modifier);
        EXPECT_FALSE(NextAnswer::take()) << "Save All or Save as One File asked where to save";
    }
}

// A popover is a dialog in the accessibility tree and takes the focus, so a screen reader says
// that it opened; Escape closes it and gives the focus back to what opened it.
TEST_F(MainWindowTest, PopoversAreAnnouncedAndEscapeGivesTheFocusBack) {
    addFile("none.csv", "Name,Latitude,Longitude\nBad,x,8\n");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* why = window->findChild<QPushButton*>("whyNoGarmin");
    struct Case {
        QWidget* opener;
        std::function<QWidget*()> open;
        const char* name;
    } cases[] = {
        {window->sidebar()->list(),
         [&] {
             window->sidebar()->list()->setFocus();
             window->sidebar()->list()->setCurrentIndex(fileRow(0));
             QTest::keyClick(window->sidebar()->list(), Qt::Key_Return);
             return window->findChild<IssuesPopover*>();
         },
         "Skipped rows in none.csv"},
        {why,
         [&] {
             QTest::mouseClick(why, Qt::LeftButton);
             return window->findChild<QWidget*>("noDeviceHelpPopup");
         },
         "Your Garmin may use MTP mode"},
    };
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    for (const Case& c : cases) {
        QPointer<QWidget> popover = c.open();
        ASSERT_TRUE(popover) << c.name;
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(popover);
        EXPECT_EQ(shown->role(), QAccessible::Dialog) << c.name;
        EXPECT_EQ(shown->text(QAccessible::Name), c.name);
        EXPECT_GE(application->indexOfChild(shown), 0) << c.name << " is not in the tree";
        ASSERT_TRUE(QTest::qWaitFor([&] {
            QWidget* focus = QApplication::focusWidget();
            return focus && (focus == popover || popover->isAncestorOf(focus));
        })) << c.name
            << " did not take the focus";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return popover.isNull(); })) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), c.opener) << c.name;
    }

    // Activating the window elsewhere closes it as a popup would, leaving the focus there.
    QPointer<QWidget> popover = clickIssueButton();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == popover; }));
    auto* search = window->findChild<QWidget*>("search");
    search->setFocus();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popover.isNull(); }));
    EXPECT_EQ(QApplication::focusWidget(), search);
}

// The skipped rows open just below their button, their right edge at the button's, or their left
// edge when the button is too near the screen's left edge; above it when there is no room below.
TEST_F(MainWindowTest, SkippedRowsOpenAtTheirButtonWithoutCoveringIt) {
    addFile("none.csv", "Name,Latitude,Longitude\nBad,x,8\n");
    const int bottom = window->screen()->availableGeometry().bottom();
    const struct {
        QPoint window;
        bool rightEdges, below;
    } cases[] = {{{0, 0}, false, true}, {{500, 0}, true, true}, {{500, bottom - 150}, true, false}};
    for (const auto& c : cases) {
        window->move(c.window);
        QRect button = issueButton();
        IssuesPopover* popover = clickIssueButton();
        ASSERT_TRUE(popover);
        QRect at = popover->geometry();
        EXPECT_EQ(c.rightEdges ? at.right() : at.left(),
                  c.rightEdges ? button.right() : button.left());
        int gap = c.below ? at.top() - button.bottom() : button.top() - at.bottom();
        EXPECT_TRUE(gap > 0 && gap < 10) << gap;
        QPointer<IssuesPopover> closing = popover;
        popover->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    }
}
