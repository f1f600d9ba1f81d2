#include "WindowFixture.h"
#include "models/InputFile.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/POITable.h"
#include "ui/detail/POITableModel.h"
#include "ui/main/Sidebar.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>

using namespace marklode;
using namespace marklode::test;

// What the window keeps and takes back across a session and across launches.
namespace {

class WindowSessionTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }
};

} // namespace

// Ctrl+Z takes back taking files off the list and each change of a file's settings.
TEST_F(WindowSessionTest, UndoTakesBackRemovalsAndSettingChanges) {
    addFile("a.csv", std::string(oneRow));
    InputFile* b = addFile("b.csv", std::string(oneRow));
    addFile("c.csv", std::string(oneRow));
    auto names = [&] {
        QStringList listed;
        for (const InputFile* file : library->files())
            listed << QString::fromStdString(file->url().filename().string()) + ":" +
                          file->categoryName();
        return listed.join(' ');
    };
    QAction* undo = window->undoAction();
    for (const char* typed : {"B", "Bu", "Bus"})
        b->setCategoryName(QString::fromLatin1(typed));
    ASSERT_EQ(b->speedUnit(), SpeedUnit::milesPerHour) << "as the fixture's region has it";
    b->setSpeedUnit(SpeedUnit::kilometersPerHour);
    EXPECT_EQ(undo->text(), "Undo Change Speed Unit");
    undo->trigger();
    EXPECT_EQ(b->speedUnit(), SpeedUnit::milesPerHour);
    EXPECT_EQ(undo->text(), "Undo Change Category Name") << "a name typed is one step";
    undo->trigger();
    EXPECT_EQ(b->categoryName(), "b");
    window->redoAction()->trigger();
    EXPECT_EQ(names(), "a.csv:a b.csv:Bus c.csv:c");
    b->setCategoryMode(CategoryMode::fromFile);
    EXPECT_EQ(undo->text(), "Undo Change Categories");
    undo->trigger();
    EXPECT_EQ(b->categoryMode(), CategoryMode::oneForFile);

    library->setSelection(b->id());
    window->sidebar()->list()->setFocus();
    QTest::keyClick(window->sidebar()->list(), Qt::Key_Delete);
    EXPECT_EQ(names(), "a.csv:a c.csv:c");
    EXPECT_EQ(undo->text(), "Undo Remove from List");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->files().size() == 3; }));
    EXPECT_EQ(names(), "a.csv:a b.csv:Bus c.csv:c") << "back in its place, with its settings";
    EXPECT_EQ(library->selectedFile(), library->files()[1]);

    window->closeAllAction()->trigger();
    EXPECT_TRUE(library->files().isEmpty());
    undo->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->files().size() == 3; }));
    EXPECT_EQ(names(), "a.csv:a b.csv:Bus c.csv:c");
}

// The window opens as it was left: its size, the splitters, the table's columns.
TEST_F(WindowSessionTest, TheLayoutIsKeptAcrossLaunches) {
    addFile("stops.csv", std::string(oneRow));
    QSettings settings(QString::fromStdString((dir / "layout.ini").string()), QSettings::IniFormat);
    auto shape = [](MainWindow& shown) {
        auto sizes = [&](const char* name) {
            return shown.findChild<QSplitter*>(name)->sizes().front();
        };
        return QStringList{QString::number(shown.width()), QString::number(sizes("split")),
                           QString::number(sizes("detailSplit")),
                           QString::number(shown.fileDetail()->table()->columnWidth(0))}
            .join(' ');
    };
    window->keepLayout(settings);
    window->show();
    // Within the offscreen screen (800×600): newer Qt fits a restored window to its screen.
    window->resize(760, 560);
    for (const char* name : {"split", "detailSplit"}) {
        auto* split = window->findChild<QSplitter*>(name);
        split->setSizes({300, 400});
        Q_EMIT split->splitterMoved(300, 1);
    }
    window->fileDetail()->table()->setColumnWidth(0, 222);
    window->close();
    const QString left = shape(*window);

    MainWindow again(*library, *devices);
    again.keepLayout(settings);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(shape(again), left);
    EXPECT_EQ(left.section(' ', 0, 1), "760 300");

    // The kept columns were shown for a file without details; another file shows its own.
    InputFile* detailed = addFile("detailed.csv", "Name,Latitude,Longitude,City\nA,47,8,Bern\n");
    library->setSelection(library->files().front()->id());
    library->setSelection(detailed->id());
    EXPECT_FALSE(again.fileDetail()->table()->isColumnHidden(POITableModel::city));
    EXPECT_TRUE(again.fileDetail()->table()->isColumnHidden(POITableModel::phone));
}

// Closing the window while a device is written to asks first; any other time it closes.
TEST_F(WindowSessionTest, ClosingWhileWritingToADeviceAsksFirst) {
    addFile("stops.csv", std::string(oneRow));
    plugIn("GPS");
    window->show();
    Gate gate;
    fileSystem->hold = gate.waiter();
    QFuture<void> sending = devices->sendLibrary(*library, devices->devices().front());
    ASSERT_TRUE(gate.arrived(1));
    for (QMessageBox::ButtonRole answer : {QMessageBox::RejectRole, QMessageBox::DestructiveRole}) {
        EXPECT_FALSE(window->close());
        ASSERT_EQ(alerts().size(), 1u);
        QMessageBox* question = alerts().front();
        for (QAbstractButton* button : question->buttons())
            if (question->buttonRole(button) == answer)
                button->click();
        EXPECT_EQ(window->isVisible(), answer == QMessageBox::RejectRole);
    }
    gate.openAll();
    await(sending);
}

// File ▸ Open Recent: the last ten files and folders added, newest first, kept with the
// settings; "Clear Menu" forgets them.
TEST_F(WindowSessionTest, OpenRecentOffersTheLastTenAdded) {
    for (int i = 0; i < 11; ++i)
        addFile("f" + std::to_string(i) + ".csv", std::string(oneRow));
    dir.write("stops/a.csv", std::string(oneRow));
    await(library->add({dir / "stops/"}));
    QMenu* recent = window->recentMenu();
    auto items = [&] {
        QStringList texts;
        for (QAction* action : recent->actions())
            texts << action->text();
        return texts.join(' ');
    };
    EXPECT_EQ(items(), "stops f10.csv f9.csv f8.csv f7.csv f6.csv f5.csv f4.csv f3.csv f2.csv  "
                       "Clear Menu");
    library->remove(library->files()[10]->id());
    recent->actions()[1]->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->files().size() == 12; }));
    EXPECT_TRUE(items().startsWith("f10.csv stops f9.csv")) << "added again, on top, once";

    LibraryViewModel relaunched(
        QLocale(QStringLiteral("en_US")),
        std::make_shared<SettingsStore>(
            std::make_unique<QSettings>(QString::fromStdString((dir / "settings.ini").string()),
                                        QSettings::IniFormat),
            "en_US.UTF-8"));
    EXPECT_EQ(relaunched.recentlyAdded(), library->recentlyAdded());
    recent->actions().back()->trigger();
    EXPECT_EQ(items(), " Clear Menu");
    EXPECT_FALSE(recent->isEnabled());
}
