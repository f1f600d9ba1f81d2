#include "ui/shell/MarklodeApp.h"

#include "models/QtText.h"
#include "rules/LibraryMessages.h"
#include "rules/UpdateMessages.h"
#include "ui/devices/DeviceActions.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/AboutWindow.h"
#include "ui/shell/ShortcutsWindow.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace marklode {

MarklodeApp::MarklodeApp(DeviceServices deviceServices, QObject* parent)
    : QObject(parent), settings_(QStringLiteral("Marklode"), QStringLiteral("Marklode")) {
    auto revealFile = deviceServices.revealFolder;
    LibraryServices libraryServices;
    libraryServices.confirmReplace = [this](const Path& target,
                                            std::function<void(ReplaceDecision)> answer) {
        ReplacePromptTexts texts = replacePromptTexts(target.filename().string());
        askQuestion(main_, fromUtf8(texts.message), fromUtf8(texts.informativeText),
                    {{fromUtf8(texts.replaceButton), QMessageBox::DestructiveRole},
                     {fromUtf8(texts.skipButton), QMessageBox::NoRole},
                     {fromUtf8(texts.stopButton), QMessageBox::RejectRole}},
                    [answer = std::move(answer)](QMessageBox::ButtonRole role) {
                        answer(role == QMessageBox::DestructiveRole ? ReplaceDecision::replace
                               : role == QMessageBox::NoRole        ? ReplaceDecision::skip
                                                                    : ReplaceDecision::stop);
                    });
    };
    library_ = std::make_unique<LibraryViewModel>(QLocale(), std::make_shared<SettingsStore>(),
                                                  std::move(libraryServices));
    devices_ = std::make_unique<DeviceViewModel>(std::move(deviceServices), QLocale());
    updater_ = std::make_unique<AppUpdater>(AppConfig::shared(), isHostedByTestRunner(), settings_,
                                            UpdaterEnvironment::standard(std::move(revealFile)));
    if (isHostedByTestRunner()) {
        auto* running = new QLabel(tr("Running tests"));
        running->setAlignment(Qt::AlignCenter);
        running->setWindowTitle(QStringLiteral("Marklode"));
        running->setMinimumSize(720, 480);
        window_.reset(running);
        return;
    }
    auto window = std::make_unique<MainWindow>(*library_, *devices_,
                                               map::TileSource::fromEnvironment(tileUserAgent()));
    main_ = window.get();
    window->keepLayout(settings_);
    installMenus(*window);
    window_ = std::move(window);
    library_->keepAcrossLaunches();
}

// Tile servers ask to know who is fetching and how to reach them.
QString MarklodeApp::tileUserAgent() {
    QString agent = QStringLiteral("Marklode/") +
                    mainInfoDictionary().value(QStringLiteral("CFBundleShortVersionString"));
    if (const QUrl& website = AppConfig::shared().websiteURL; website.isValid())
        agent += QStringLiteral(" (+") + website.toString() + QStringLiteral(")");
    return agent;
}

MarklodeApp::~MarklodeApp() {
    delete about_;
}

void MarklodeApp::installMenus(MainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->addAction(window.addFilesAction());
    file->addMenu(window.recentMenu());
    file->addAction(window.reloadFileAction());
    file->addSeparator();
    file->addActions(
        {window.saveFileAction(), window.saveAllAction(), window.saveCombinedAction()});
    file->addSeparator();
    file->addAction(window.closeAllAction());
    file->addSeparator();
    // Through the window, which asks first while a device is being written to.
    QAction* quit = file->addAction(tr("Quit"), &window, [&window] {
        if (window.close())
            QApplication::quit();
    });
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    bar->addMenu(tr("&Edit"))->addActions({window.undoAction(), window.redoAction()});
    window.deviceActions()->addSelectedDeviceActions(*bar->addMenu(tr("&Device")));
    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(ShortcutsWindow::createAction(window));
    help->addAction(tr("About Marklode"), this, [this] { showAbout(); });
    // "Check for Updates…" only in builds that name a feed and a key.
    if (updater_->isEnabled()) {
        QAction* check = help->addAction(fromUtf8(checkForUpdatesMenuText()), updater_.get(),
                                         &AppUpdater::checkForUpdates);
        check->setEnabled(updater_->canCheckForUpdates());
        connect(updater_.get(), &AppUpdater::canCheckForUpdatesChanged, check,
                [this, check] { check->setEnabled(updater_->canCheckForUpdates()); });
    }
}

AboutWindow* MarklodeApp::showAbout() {
    if (!about_)
        about_ = new AboutWindow(AppConfig::shared(), mainInfoDictionary());
    about_->show();
    about_->raise();
    about_->activateWindow();
    return about_;
}

} // namespace marklode
