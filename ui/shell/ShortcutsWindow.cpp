#include "ui/shell/ShortcutsWindow.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace marklode {

namespace {

using Entry = ShortcutsWindow::Entry;

// "&Add Files…" as the list shows it: "Add Files".
QString plainText(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i; // "&&" is one ampersand; "&A" is a mnemonic
        plain += text[i];
    }
    if (plain.endsWith(QChar(0x2026)))
        plain.chop(1);
    return plain.trimmed();
}

QString keysText(const QList<QKeySequence>& keys) {
    QStringList texts;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty())
            texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

QString keyName(QKeyCombination key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

struct Collector {
    std::vector<Entry> entries;
    QSet<const QAction*> seen;

    void add(const QString& section, const QAction* action) {
        if (action->isSeparator() || !action->isVisible() || seen.contains(action))
            return;
        QString keys = keysText(action->shortcuts());
        QString command = plainText(action->text());
        if (command.isEmpty())
            command = plainText(action->toolTip());
        if (keys.isEmpty() || command.isEmpty())
            return;
        seen.insert(action);
        entries.push_back({section, command, keys});
    }

    void addMenu(const QString& section, const QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            if (const QMenu* submenu = action->menu())
                addMenu(section, submenu);
            else
                add(section, action);
        }
    }
};

} // namespace

ShortcutsWindow::ShortcutsWindow(QMainWindow& window)
    : QDialog(&window), window_(window), list_(new QTreeWidget) {
    setObjectName(QStringLiteral("shortcutsWindow"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    list_->setObjectName(QStringLiteral("shortcutList"));
    list_->setAccessibleName(windowTitle());
    list_->setColumnCount(2);
    list_->setHeaderLabels({tr("Command"), tr("Keys")});
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setIndentation(0);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(520, 560);
    fill();
}

QAction* ShortcutsWindow::createAction(QMainWindow& window) {
    auto* action = new QAction(tr("Keyboard Shortcuts"), &window);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Question));
    QObject::connect(action, &QAction::triggered, &window, [&window] { open(window); });
    return action;
}

ShortcutsWindow* ShortcutsWindow::open(QMainWindow& window) {
    auto* shown = window.findChild<ShortcutsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (shown)
        shown->fill(); // the keys as they are now
    else
        shown = new ShortcutsWindow(window);
    shown->show();
    shown->raise();
    shown->activateWindow();
    return shown;
}

std::vector<Entry> ShortcutsWindow::entries(QMainWindow& window) {
    Collector commands;
    for (const QAction* action : window.menuBar()->actions()) {
        if (const QMenu* menu = action->menu())
            commands.addMenu(plainText(menu->title()), menu);
    }
    for (const QAction* action : window.actions())
        commands.add(tr("General"), action);

    // The keys that are no command: the sidebar's (ui/main/Sidebar.cpp) and the map's
    // (ui/map/MapView.cpp).
    const QString list = tr("Files and devices");
    const QString separator = QStringLiteral(", ");
    std::vector<Entry> entries = std::move(commands.entries);
    entries.push_back({list, tr("Remove the selected file from the list"),
                       keyName(Qt::Key_Delete) + separator + keyName(Qt::Key_Backspace)});
    entries.push_back({list, tr("Open the menu of the selected file or device"),
                       keyName(Qt::Key_Menu) + separator + keyName(Qt::SHIFT | Qt::Key_F10)});
    entries.push_back({list, tr("Show the skipped rows of the selected file"),
                       keyName(Qt::Key_Return) + separator + keyName(Qt::Key_Space)});
    const QString map = tr("Map");
    entries.push_back({map, tr("Zoom in"), keyName(Qt::Key_Plus)});
    entries.push_back({map, tr("Zoom out"), keyName(Qt::Key_Minus)});
    entries.push_back({map, tr("Move the map"), tr("Arrow keys")});
    return entries;
}

void ShortcutsWindow::fill() {
    list_->clear();
    QTreeWidgetItem* section = nullptr;
    for (const Entry& entry : entries(window_)) {
        if (!section || section->text(0) != entry.section) {
            section = new QTreeWidgetItem(list_, {entry.section});
            section->setFirstColumnSpanned(true);
            section->setFlags(Qt::ItemIsEnabled);
            QFont bold = list_->font();
            bold.setBold(true);
            section->setFont(0, bold);
        }
        auto* row = new QTreeWidgetItem(section, {entry.command, entry.keys});
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    list_->expandAll();
}

} // namespace marklode
