#pragma once

#include "models/DeviceViewModel.h"
#include "models/LibraryViewModel.h"
#include "ui/shell/AppUpdater.h"

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <memory>

class QMenuBar;
class QWidget;

namespace marklode {

class AboutWindow;
class MainWindow;

// Owns what lives as long as the program: the library with its settings, the device model,
// the updater and the two windows, and puts the menu commands on the main window.
class MarklodeApp : public QObject {
    Q_OBJECT
  public:
    explicit MarklodeApp(DeviceServices deviceServices, QObject* parent = nullptr);
    ~MarklodeApp() override;

    LibraryViewModel& library() { return *library_; }
    DeviceViewModel& devices() { return *devices_; }
    AppUpdater& updater() { return *updater_; }
    // The main window, or under a test runner a window that only says "Running tests".
    QWidget* mainWindow() { return window_.get(); }
    MainWindow* marklodeWindow() const { return main_; }
    // Opens the About window, or brings the open one forward.
    AboutWindow* showAbout();

  private:
    void installMenus(MainWindow& window);
    static QString tileUserAgent();

    QSettings settings_;
    std::unique_ptr<LibraryViewModel> library_;
    std::unique_ptr<DeviceViewModel> devices_;
    std::unique_ptr<AppUpdater> updater_;
    std::unique_ptr<QWidget> window_;
    MainWindow* main_ = nullptr;
    QPointer<AboutWindow> about_;
};

} // namespace marklode
