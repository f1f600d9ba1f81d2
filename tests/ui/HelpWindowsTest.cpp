#include "WindowFixture.h"
#include "ui/main/Sidebar.h"
#include "ui/shell/AboutWindow.h"
#include "ui/shell/ShortcutsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSysInfo>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using namespace marklode;
using namespace marklode::test;

namespace {

using Entry = ShortcutsWindow::Entry;

class HelpWindowsTest : public WindowFixture {
  protected:
    void SetUp() override { window->show(); }

    // A menu bar as the program's, with the commands of the window and one of the shell's.
    void installMenus() {
        QMenu* file = window->menuBar()->addMenu("&File");
        file->addActions({window->addFilesAction(), window->reloadFileAction()});
        file->addSeparator();
        file->addAction("&Quit")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
        QMenu* help = window->menuBar()->addMenu("&Help");
        help->addAction(ShortcutsWindow::createAction(*window));
        help->addAction("About Marklode"); // no key: not listed
    }

    std::vector<Entry> listed(const QString& section) const {
        std::vector<Entry> entries;
        for (const Entry& entry : ShortcutsWindow::entries(*window))
            if (entry.section == section)
                entries.push_back(entry);
        return entries;
    }
};

QString keys(QKeySequence sequence) {
    return sequence.toString(QKeySequence::NativeText);
}

} // namespace

TEST_F(HelpWindowsTest, ShortcutsAreReadFromTheMenusAndTheWindowWhenTheListOpens) {
    installMenus();
    EXPECT_EQ(listed("File"), (std::vector<Entry>{
                                  {"File", "Add Files", keys(QKeySequence::Open)},
                                  {"File", "Reload", "F5"},
                                  {"File", "Quit", keys(QKeySequence(Qt::CTRL | Qt::Key_Q))},
                              }));
    EXPECT_EQ(listed("Help"), (std::vector<Entry>{{"Help", "Keyboard Shortcuts",
                                                   keys(Qt::CTRL | Qt::Key_Question)}}));
    // The window's own keys, once each: Reload is the window's too, and listed under File.
    std::vector<Entry> general = listed("General");
    EXPECT_NE(std::find(general.begin(), general.end(),
                        Entry{"General", "Search POIs", keys(QKeySequence::Find)}),
              general.end());
    for (const Entry& entry : general)
        EXPECT_NE(entry.command, "Reload");
    EXPECT_EQ(listed("Files and devices").size(), 3u);
    EXPECT_EQ(listed("Map").size(), 3u);

    // Commands added later, in a menu of their own and a submenu, show without a word here.
    QMenu* edit = window->menuBar()->addMenu("&Edit");
    edit->addAction("&Undo")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QMenu* recent = edit->addMenu("Open &Recent");
    recent->addAction("Reopen Last File")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    window->reloadFileAction()->setVisible(false);

    ShortcutsWindow::createAction(*window)->trigger();
    auto* shown = window->findChild<ShortcutsWindow*>();
    ASSERT_TRUE(shown && shown->isVisible());
    QStringList rows;
    QTreeWidget* list = shown->list();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* section = list->topLevelItem(i);
        rows << section->text(0);
        for (int j = 0; j < section->childCount(); ++j)
            rows << "  " + section->child(j)->text(0) + " | " + section->child(j)->text(1);
    }
    EXPECT_TRUE(rows.contains("Edit")) << rows.join('\n').toStdString();
    EXPECT_TRUE(rows.contains("  Undo | " + keys(QKeySequence(Qt::CTRL | Qt::Key_Z))));
    EXPECT_TRUE(rows.contains("  Reopen Last File | " +
                              keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T))));
    EXPECT_FALSE(rows.contains("  Reload | F5")) << "a hidden command is not listed";

    // Opened again, the same window comes forward with the keys as they are then.
    window->addFilesAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(ShortcutsWindow::open(*window), shown);
    EXPECT_EQ(shown->list()->topLevelItem(0)->child(0)->text(1),
              keys(QKeySequence(Qt::CTRL | Qt::Key_N)));
}

TEST_F(HelpWindowsTest, ShiftF10OpensTheRowsMenuAsTheMenuKeyDoes) {
    addFile("stops.csv", "Name,Latitude,Longitude\nA,47,8\n");
    QTreeView* list = window->sidebar()->list();
    list->setFocus();
    // The menu runs its own loop; it is read and closed from there.
    QString firstItem;
    QTimer::singleShot(0, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            firstItem = menu->actions().value(0)->text();
            menu->close();
        }
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(firstItem, "Remove from List");
}

TEST(AboutWindowTest, NamesTheLicenceAndCreditsAndCopiesTheVersionInfo) {
    InfoDictionary info{{"CFBundleShortVersionString", "0.4.1"}, {"CFBundleVersion", "12"}};
    AboutWindow about(AppConfig::from(info), info);
    QString licence = about.findChild<QLabel*>("licence")->text();
    EXPECT_TRUE(licence.contains("GNU General Public License</a>, version 3 or later"))
        << licence.toStdString();
    QString credits = about.findChild<QLabel*>("credits")->text();
    for (const char* credit : {"OpenStreetMap contributors", "Natural Earth", "Qt (LGPL-3.0)",
                               "expat (MIT)", "utf8proc (MIT)", "libsodium (ISC)"})
        EXPECT_TRUE(credits.contains(credit)) << credit;

    QApplication::clipboard()->clear();
    about.copyVersionInfoButton()->click();
    QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "Marklode 0.4.1 (12)");
    EXPECT_TRUE(lines[1].startsWith("Qt " + QString::fromLatin1(qVersion()) + " "));
    EXPECT_TRUE(lines[2].startsWith(QSysInfo::prettyProductName()));
    EXPECT_EQ(lines[3], "Platform: offscreen");
    EXPECT_EQ(about.copyVersionInfoButton()->text(), "Version Info Copied");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return about.copyVersionInfoButton()->text() == "Copy Version Info"; }, 3000));
}
